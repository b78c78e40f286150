#include "dossier_prive.h"

#include "fichier_niveau.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>

namespace {

// The folder, never through a link, once it is the user's own and private.
int ouvrirDossier(const std::string& dossier)
{
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat etat {};
    if (fd >= 0 && ::fstat(fd, &etat) == 0 && etat.st_uid == ::geteuid() &&
        ((etat.st_mode & 0777) == 0700 || ::fchmod(fd, 0700) == 0)) {
        return fd;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return -1;
}

// The folder, made with its missing parents when it is not there.
int ouvrirDossierCree(const std::string& dossier)
{
    int fd = ouvrirDossier(dossier);
    if (fd < 0 && errno == ENOENT) {
        for (std::size_t fin = dossier.find('/', 1);; fin = dossier.find('/', fin + 1)) {
            if (::mkdir(dossier.substr(0, fin).c_str(), 0700) != 0 && errno != EEXIST) {
                return -1;
            }
            if (fin == std::string::npos) {
                break;
            }
        }
        fd = ouvrirDossier(dossier);
    }
    return fd;
}

// A regular file of the folder, opened for reading; anything else is refused before it is opened.
int ouvrirOrdinaire(int dossier, const std::string& nom)
{
    struct stat etat {};
    if (::fstatat(dossier, nom.c_str(), &etat, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(etat.st_mode)) {
        return -1;
    }
    const int fd = ::openat(dossier, nom.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 && (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool preparerDossierPrive(const std::string& dossier)
{
    const int fd = ouvrirDossierCree(dossier);
    return fd >= 0 && ::close(fd) == 0;
}

bool ecrirePrive(const std::string& dossier, const std::string& nom, const std::string& contenu)
{
    const int fdDossier = ouvrirDossierCree(dossier);
    if (fdDossier < 0) {
        return false;
    }
    std::random_device alea;
    char hasard[20];
    std::snprintf(hasard, sizeof hasard, "%08x%08x", alea(), alea());
    const std::string temporaire = '.' + nom + '-' + hasard + ".tmp";
    // O_EXCL creates the name or fails: a link or a FIFO put there is never opened.
    const int fd = ::openat(fdDossier, temporaire.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool ecrit = fd >= 0 && ecrireTout(fd, contenu);
    if (fd >= 0) {
        ecrit = ::close(fd) == 0 && ecrit;
        // The rename replaces whatever had the name, a link included, without following it.
        ecrit = ecrit && ::renameat(fdDossier, temporaire.c_str(), fdDossier, nom.c_str()) == 0;
        if (!ecrit) {
            ::unlinkat(fdDossier, temporaire.c_str(), 0);
        }
    }
    ::close(fdDossier);
    return ecrit;
}

void synchroniserPrive(const std::string& dossier, const std::vector<std::string>& noms)
{
    const int fdDossier = ouvrirDossier(dossier);
    if (fdDossier < 0) {
        return;
    }
    for (const std::string& nom : noms) {
        const int fd = ouvrirOrdinaire(fdDossier, nom);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
    ::fsync(fdDossier); // the renames and removals live in the folder
    ::close(fdDossier);
}

std::optional<std::string> lirePrive(const std::string& dossier, const std::string& nom,
                                     std::size_t taille)
{
    const int fdDossier = ouvrirDossier(dossier);
    const int fd = fdDossier >= 0 ? ouvrirOrdinaire(fdDossier, nom) : -1;
    if (fdDossier >= 0) {
        ::close(fdDossier);
    }
    if (fd < 0) {
        return std::nullopt;
    }
    // One byte past the limit tells a larger file.
    std::string octets(taille + 1, '\0');
    std::size_t lus = 0;
    ssize_t n = 0;
    while (lus < octets.size() && (n = ::read(fd, &octets[lus], octets.size() - lus)) > 0) {
        lus += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (n < 0 || lus > taille) {
        return std::nullopt;
    }
    octets.resize(lus);
    return octets;
}

bool supprimerPrive(const std::string& dossier, const std::string& nom)
{
    const std::string chemin = dossier + '/' + nom;
    return ::unlink(chemin.c_str()) == 0 || errno == ENOENT;
}

bool absentOuOrdinaire(const std::string& dossier, const std::string& nom)
{
    struct stat etat {};
    const std::string chemin = dossier + '/' + nom;
    return ::lstat(chemin.c_str(), &etat) == 0 ? S_ISREG(etat.st_mode) : errno == ENOENT;
}

std::vector<FichierPrive> fichiersPrives(const std::string& dossier, const std::string& suffixe)
{
    std::vector<FichierPrive> fichiers;
    const int fdDossier = ouvrirDossier(dossier);
    DIR* liste = fdDossier >= 0 ? ::fdopendir(fdDossier) : nullptr;
    if (liste == nullptr) {
        if (fdDossier >= 0) {
            ::close(fdDossier);
        }
        return fichiers;
    }
    while (const dirent* entree = ::readdir(liste)) {
        const std::string nom = entree->d_name;
        struct stat etat {};
        if (nom[0] != '.' && nom.size() > suffixe.size() &&
            nom.compare(nom.size() - suffixe.size(), suffixe.size(), suffixe) == 0 &&
            ::fstatat(fdDossier, nom.c_str(), &etat, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(etat.st_mode)) {
            fichiers.push_back(
                {nom, std::int64_t{etat.st_mtim.tv_sec} * 1000000000 + etat.st_mtim.tv_nsec});
        }
    }
    ::closedir(liste); // closes fdDossier too
    std::sort(fichiers.begin(), fichiers.end(),
              [](const FichierPrive& a, const FichierPrive& b) { return a.modifie > b.modifie; });
    return fichiers;
}
