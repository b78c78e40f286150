#include "IconesEnnemis.h"

#include "TDrawGrid.h"
#include "conversions.h"
#include "erreurs.h"
#include "images.h"

#include <QDir>
#include <QPainter>

QImage IconesEnnemis::pour(const QString& dossier, const QStringList& noms,
                           const std::string& type)
{
    if (dossier != dossier_ || noms != noms_) {
        dossier_ = dossier;
        noms_ = noms;
        fichiers_.clear();
        images_.clear();
        // The type a placement gives each file: its name before the first ".ico"; the first
        // file listed wins.
        for (const QString& nom : noms) {
            const qsizetype fin = nom.indexOf(QStringLiteral(".ico"));
            fichiers_.insert(fin < 0 ? nom : nom.left(fin), nom);
        }
    }
    const QString nomType = depuisAnsi(type);
    auto image = images_.find(nomType);
    if (image == images_.end()) {
        QImage lue;
        const auto fichier = fichiers_.constFind(nomType);
        if (fichier != fichiers_.cend()) {
            try {
                lue = chargerIcone(QDir(dossier).filePath(*fichier));
            } catch (const Exception&) {
            }
        }
        image = images_.insert(nomType, lue.isNull() ? marqueur(nomType) : lue);
    }
    return *image;
}

QImage IconesEnnemis::marqueur(const QString& type)
{
    constexpr int cote = TDrawGrid::TAILLE_CELLULE;
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent); // the background shows through
    QPainter peintre(&image);
    peintre.setPen(QPen(Qt::darkGray, 2));
    peintre.drawRect(1, 1, cote - 2, cote - 2);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(10);
    police.setBold(true);
    peintre.setFont(police);
    peintre.setPen(Qt::black);
    peintre.drawText(image.rect(), Qt::AlignCenter, type.left(3));
    return image;
}
