#include "images.h"

#include "erreurs.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace {

constexpr int COTE_ICONE = 32;

// Qt reads an uncompressed bitmap cut short without a word and leaves its missing rows undefined:
// compare the size its header announces with the file's.
bool bitmapTronque(const QString& chemin)
{
    QFile fichier(chemin);
    const QByteArray entete = fichier.open(QIODevice::ReadOnly) ? fichier.read(34) : QByteArray();
    const auto entier = [&entete](int position) {
        return static_cast<qint64>(qFromLittleEndian<qint32>(entete.constData() + position));
    };
    constexpr qint64 BI_RGB = 0;
    constexpr qint64 BI_BITFIELDS = 3;
    if (entete.size() < 34 || !entete.startsWith("BM") || entier(14) < 40 ||
        (entier(30) != BI_RGB && entier(30) != BI_BITFIELDS)) {
        return false; // not a plain bitmap with a full header: the reader judges it
    }
    const qint64 bitsParPixel = qFromLittleEndian<quint16>(entete.constData() + 28);
    const qint64 octetsParLigne = (std::abs(entier(18)) * bitsParPixel + 31) / 32 * 4;
    return fichier.size() < entier(10) + octetsParLigne * std::abs(entier(22));
}

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
               : icone.scaled(COTE_ICONE, COTE_ICONE, Qt::KeepAspectRatio,
                              Qt::SmoothTransformation);
}

QImage chargerBitmap(const QString& chemin)
{
    const QImage image = bitmapTronque(chemin) ? QImage() : QImageReader(chemin).read();
    if (image.isNull()) {
        throw Exception(QStringLiteral("Impossible de lire l'image de fond :\n%1\nLe fichier est "
                                       "absent, illisible ou trop grand.")
                            .arg(chemin));
    }
    return image;
}
