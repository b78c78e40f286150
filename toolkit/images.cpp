#include "images.h"

#include "erreurs.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr int COTE_ICONE = 32;
// Nothing an icon directory can describe is larger; its images' own headers must agree.
constexpr int COTE_MAX_ICO = 256;
// Far above any real icon file, far below what would strain the editor.
constexpr qint64 TAILLE_MAX_ICO = 16 * 1024 * 1024;
// Beyond this a bitmap is refused before its header's sizes are multiplied together.
constexpr qint64 COTE_MAX_BMP = 1 << 20;

// Opens a plain file for reading. Its kind is checked before opening, so that a FIFO or a device
// is never opened, and again on the open file, in case another file took its name meanwhile.
bool ouvrir(const QString& chemin, QFile& fichier, struct stat& etat)
{
    const QByteArray nom = QFile::encodeName(chemin);
    if (::stat(nom.constData(), &etat) != 0 || !S_ISREG(etat.st_mode)) {
        return false;
    }
    const int fd = ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode) ||
        !fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

template <class T> qint64 lu(const QByteArray& octets, qint64 position)
{
    return qFromLittleEndian<T>(octets.constData() + position);
}

// The index of the directory entry nearest 32 × 32, the first of equals; -1 when the file is no
// icon, or when that image's own header announces a size no icon may have.
int choisirImage(const QByteArray& ico)
{
    if (ico.size() < 6 || lu<quint16>(ico, 0) != 0 || lu<quint16>(ico, 2) != 1) {
        return -1;
    }
    const qint64 nombre = std::min(lu<quint16>(ico, 4), (ico.size() - 6) / 16);
    int choisie = -1;
    int ecartChoisi = 0;
    for (int i = 0; i < nombre; ++i) {
        const int cote = static_cast<quint8>(ico[6 + 16 * i]);
        const int ecart = std::abs((cote == 0 ? COTE_MAX_ICO : cote) - COTE_ICONE);
        if (choisie < 0 || ecart < ecartChoisi) {
            choisie = i;
            ecartChoisi = ecart;
        }
    }
    if (choisie < 0) {
        return -1;
    }
    const qint64 debut = lu<quint32>(ico, 6 + 16 * choisie + 12);
    if (debut + 24 > ico.size()) {
        return -1;
    }
    const QByteArray image = ico.mid(debut, 24);
    qint64 largeur = 0;
    qint64 hauteur = 0;
    if (image.startsWith("\x89PNG\r\n\x1a\n")) {
        largeur = qFromBigEndian<quint32>(image.constData() + 16);
        hauteur = qFromBigEndian<quint32>(image.constData() + 20);
    } else {
        largeur = lu<qint32>(image, 4);
        hauteur = lu<qint32>(image, 8) / 2; // the colours, then the transparency mask
    }
    return largeur > 0 && hauteur > 0 && largeur <= COTE_MAX_ICO && hauteur <= COTE_MAX_ICO
               ? choisie
               : -1;
}

// Qt reads an uncompressed bitmap cut short without a word and leaves its missing rows undefined:
// compare the size its header announces with the file's.
bool bitmapTronque(QFile& fichier)
{
    const QByteArray entete = fichier.peek(34);
    constexpr qint64 BI_RGB = 0;
    constexpr qint64 BI_BITFIELDS = 3;
    if (entete.size() < 34 || !entete.startsWith("BM") || lu<qint32>(entete, 14) < 40 ||
        (lu<qint32>(entete, 30) != BI_RGB && lu<qint32>(entete, 30) != BI_BITFIELDS)) {
        return false; // not a plain bitmap with a full header: the reader judges it
    }
    const qint64 largeur = std::abs(lu<qint32>(entete, 18));
    const qint64 hauteur = std::abs(lu<qint32>(entete, 22));
    if (largeur > COTE_MAX_BMP || hauteur > COTE_MAX_BMP) {
        return true;
    }
    const qint64 octetsParLigne = (largeur * lu<quint16>(entete, 28) + 31) / 32 * 4;
    return fichier.size() < lu<qint32>(entete, 10) + octetsParLigne * hauteur;
}

} // namespace

QImage chargerIcone(const QString& chemin)
{
    QFile fichier;
    struct stat etat {};
    QByteArray ico;
    if (ouvrir(chemin, fichier, etat) && etat.st_size <= TAILLE_MAX_ICO) {
        ico = fichier.readAll();
    }
    const int choisie = choisirImage(ico);
    QBuffer tampon(&ico);
    QImageReader lecteur(&tampon, "ico");
    const QImage icone = choisie >= 0 && lecteur.jumpToImage(choisie) ? lecteur.read() : QImage();
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

void TBitmap::LoadFromFile(const QString& chemin)
{
    QFile fichier;
    struct stat etat {};
    const bool ouvert = ouvrir(chemin, fichier, etat);
    if (ouvert && chemin == chemin_ && etat.st_size == taille_ &&
        etat.st_mtim.tv_sec == date_.tv_sec && etat.st_mtim.tv_nsec == date_.tv_nsec) {
        return;
    }
    const QImage image =
        ouvert && !bitmapTronque(fichier) ? QImageReader(&fichier).read() : QImage();
    if (image.isNull()) {
        throw Exception(QStringLiteral("Impossible de lire l'image de fond :\n%1\nLe fichier est "
                                       "absent, illisible ou trop grand.")
                            .arg(chemin));
    }
    // Drawn at the grid's corner at its own size: nothing beyond this part can ever be seen.
    image_ = image.copy(QRect(QPoint(0, 0), visible_).intersected(image.rect()));
    chemin_ = chemin;
    taille_ = etat.st_size;
    date_ = etat.st_mtim;
}
