#include "TCanvas.h"

#include <QPainter>
#include <QWidget>

#include <vector>

TCanvas::TCanvas(QWidget& affichage, QSize taille)
    : affichage_(affichage), image_(taille, QImage::Format_RGB32), pinceau_(qRgb(255, 255, 255))
{
    image_.fill(pinceau_);
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    QPainter(&image_).drawImage(x, y, image);
    affichage_.update();
}

void TCanvas::FloodFill(int x, int y, QRgb bordure)
{
    const int largeur = image_.width();
    const int hauteur = image_.height();
    if (x < 0 || y < 0 || x >= largeur || y >= hauteur) {
        return;
    }
    const auto pixel = [this](int px, int py) {
        return reinterpret_cast<QRgb*>(image_.scanLine(py)) + px;
    };
    std::vector<bool> vu(static_cast<std::size_t>(largeur) * hauteur);
    // Painted pixels may take the border colour: only unvisited ones are tested against it.
    const auto aRemplir = [&](int px, int py) {
        return !vu[static_cast<std::size_t>(py) * largeur + px] &&
               (*pixel(px, py) & RGB_MASK) != (bordure & RGB_MASK);
    };

    // Scan lines from an explicit stack: a surface-sized region needs no deep recursion.
    std::vector<QPoint> pile{{x, y}};
    while (!pile.empty()) {
        const QPoint depart = pile.back();
        pile.pop_back();
        const int py = depart.y();
        if (!aRemplir(depart.x(), py)) {
            continue;
        }
        int gauche = depart.x();
        while (gauche > 0 && aRemplir(gauche - 1, py)) {
            --gauche;
        }
        int droite = depart.x();
        while (droite + 1 < largeur && aRemplir(droite + 1, py)) {
            ++droite;
        }
        for (int px = gauche; px <= droite; ++px) {
            vu[static_cast<std::size_t>(py) * largeur + px] = true;
            *pixel(px, py) = pinceau_;
        }
        for (const int voisine : {py - 1, py + 1}) {
            if (voisine < 0 || voisine >= hauteur) {
                continue;
            }
            for (int px = gauche; px <= droite; ++px) {
                // One seed per run of fillable pixels.
                if (aRemplir(px, voisine) && (px == gauche || !aRemplir(px - 1, voisine))) {
                    pile.emplace_back(px, voisine);
                }
            }
        }
    }
    affichage_.update();
}
