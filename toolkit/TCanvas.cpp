#include "TCanvas.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr QRgb BLANC = qRgb(255, 255, 255);

} // namespace

TCanvas::TCanvas(QWidget& affichage, QSize taille)
    : affichage_(affichage), taille_(taille), pinceau_(BLANC)
{
}

QImage& TCanvas::surface()
{
    if (image_.isNull()) {
        image_ = QImage(taille_, QImage::Format_RGB32);
        image_.fill(BLANC);
    }
    return image_;
}

void TCanvas::Paint(QPainter& peintre) const
{
    if (image_.isNull()) {
        peintre.fillRect(QRect(QPoint(0, 0), taille_), BLANC);
    } else {
        peintre.drawImage(0, 0, image_);
    }
}

void TCanvas::Draw(int x, int y, const QImage& image, qreal opacite)
{
    QPainter peintre(&surface());
    peintre.setOpacity(opacite);
    peintre.drawImage(x, y, image);
    affichage_.update();
}

void TCanvas::FloodFill(int x, int y, QRgb bordure)
{
    QImage& cible = surface();
    const int largeur = cible.width();
    const int hauteur = cible.height();
    if (x < 0 || y < 0 || x >= largeur || y >= hauteur) {
        return;
    }
    // The surface is 32-bit RGB: one QRgb per pixel, rows bytesPerLine apart.
    QRgb* const pixels = reinterpret_cast<QRgb*>(cible.bits());
    const int pas = static_cast<int>(cible.bytesPerLine() / sizeof(QRgb));
    // Without a pixel of the border colour the whole surface is the region: the common case,
    // painted at once.
    const auto bord = [&](QRgb pixel) { return (pixel & RGB_MASK) == (bordure & RGB_MASK); };
    if (std::none_of(pixels, pixels + static_cast<std::ptrdiff_t>(pas) * hauteur, bord)) {
        cible.fill(pinceau_);
        affichage_.update();
        return;
    }
    std::vector<unsigned char> vu(static_cast<std::size_t>(largeur) * hauteur, 0);
    // Painted pixels may take the border colour: only unvisited ones are tested against it.
    const auto aRemplir = [&](int px, int py) {
        return vu[static_cast<std::size_t>(py) * largeur + px] == 0 &&
               (pixels[py * pas + px] & RGB_MASK) != (bordure & RGB_MASK);
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
        std::fill(vu.begin() + static_cast<std::ptrdiff_t>(py) * largeur + gauche,
                  vu.begin() + static_cast<std::ptrdiff_t>(py) * largeur + droite + 1, 1);
        std::fill(pixels + py * pas + gauche, pixels + py * pas + droite + 1, pinceau_);
        for (const int voisine : {py - 1, py + 1}) {
            if (voisine < 0 || voisine >= hauteur) {
                continue;
            }
            // One seed per run of fillable pixels.
            bool dansUnePlage = false;
            for (int px = gauche; px <= droite; ++px) {
                const bool remplissable = aRemplir(px, voisine);
                if (remplissable && !dansUnePlage) {
                    pile.emplace_back(px, voisine);
                }
                dansUnePlage = remplissable;
            }
        }
    }
    affichage_.update();
}
