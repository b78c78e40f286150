#include "images.h"

#include "erreurs.h"

#include <QImageReader>

#include <cstdlib>

namespace {

constexpr int COTE_ICONE = 32;

} // namespace

QImage chargerIcone(const QString& chemin)
{
    QImageReader lecteur(chemin, "ico");
    QImage icone;
    // An icon file may hold several sizes: keep the one closest to the grid's cells.
    for (int i = 0; i < std::max(1, lecteur.imageCount()); ++i) {
        if (i > 0 && !lecteur.jumpToImage(i)) {
            break;
        }
        const QImage image = lecteur.read();
        if (!image.isNull() && (icone.isNull() || std::abs(image.width() - COTE_ICONE) <
                                                      std::abs(icone.width() - COTE_ICONE))) {
            icone = image;
        }
    }
    if (icone.isNull()) {
        throw Exception(QStringLiteral("Impossible de lire l'icône :\n%1\nLe fichier est absent, "
                                       "vide ou n'est pas une icône.")
                            .arg(chemin));
    }
    return icone.size() == QSize(COTE_ICONE, COTE_ICONE)
               ? icone
               : icone.scaled(COTE_ICONE, COTE_ICONE, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage chargerBitmap(const QString& chemin)
{
    const QImage image = QImageReader(chemin).read();
    if (image.isNull()) {
        throw Exception(QStringLiteral("Impossible de lire l'image de fond :\n%1\nLe fichier est "
                                       "absent, illisible ou trop grand.")
                            .arg(chemin));
    }
    return image;
}
