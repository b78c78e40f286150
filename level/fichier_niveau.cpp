#include "fichier_niveau.h"

#include "copie_fichier_temp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The game reads files as the Windows editor wrote them, through a text-mode stream.
const char* const FIN_DE_LIGNE = "\r\n";

} // namespace

std::string deuxDecimales(float valeur)
{
    char texte[64];
    const auto fin = std::to_chars(texte, texte + sizeof texte, static_cast<double>(valeur),
                                   std::chars_format::fixed, 2);
    return std::string(texte, fin.ptr);
}

std::string texteNiveau(const s_niveau& niveau, FormeProfondeur forme)
{
    std::string contenu = niveau.nom + FIN_DE_LIGNE + std::to_string(niveau.duree) + FIN_DE_LIGNE +
                          std::to_string(niveau.nbEnnemis) + FIN_DE_LIGNE;
    const std::string profondeur =
        std::to_string(niveau.profondeur) + (forme == FormeProfondeur::Decimale ? ".00" : "");
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        const Ennemi& ennemi = niveau.ennemis[i];
        contenu += std::to_string(i) + '\t' + deuxDecimales(ennemi.temps) + '\t' + ennemi.type +
                   '\t' + deuxDecimales(ennemi.x) + '\t' + deuxDecimales(ennemi.y) + '\t' +
                   profondeur + FIN_DE_LIGNE;
    }
    return contenu;
}

std::string texteEnnemis(const s_niveau& niveau, std::vector<int> indices)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::string texte;
    for (const int i : indices) {
        const Ennemi& ennemi = niveau.ennemis[i];
        texte += deuxDecimales(ennemi.temps) + '\t' + ennemi.type + '\t' + deuxDecimales(ennemi.x) +
                 '\t' + deuxDecimales(ennemi.y) + '\n';
    }
    return texte;
}

bool ecrireTout(int fd, const std::string& contenu)
{
    std::size_t ecrits = 0;
    while (ecrits < contenu.size()) {
        const ssize_t n = ::write(fd, contenu.data() + ecrits, contenu.size() - ecrits);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        ecrits += static_cast<std::size_t>(n);
    }
    return true;
}

namespace {

// Writes every byte, then makes them durable before anything relies on them.
bool ecrireDurablement(int fd, const std::string& contenu)
{
    return ecrireTout(fd, contenu) && ::fsync(fd) == 0;
}

// A name of the folder that nobody else uses, so that leftovers of another run never block a
// save. The file is created as a plain open for writing would create the level.
int creerTemporaire(const fs::path& dossier, std::string& nom)
{
    std::random_device alea;
    for (int essai = 0; essai < 100; ++essai) {
        char hasard[20];
        std::snprintf(hasard, sizeof hasard, "%08x%08x", alea(), alea());
        nom = (dossier / (".ombrelin-" + std::string(hasard) + ".tmp")).string();
        const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// A folder that refuses new files may still let the user rewrite a level in it: no atomicity
// then, as with any plain open for writing.
bool ecrireSurPlace(const fs::path& cible, const std::string& contenu)
{
    const int fd = ::open(cible.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat etat {};
    bool ecrit = ::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) && ::ftruncate(fd, 0) == 0 &&
                 ecrireDurablement(fd, contenu);
    ecrit = ::close(fd) == 0 && ecrit;
    return ecrit;
}

// Writes contenu into a fresh file of the target's folder and renames it over the target, with
// the target's permissions, so that a failure or a power cut never leaves a truncated level.
bool remplacerFichier(fs::path cible, const std::string& contenu)
{
    std::error_code erreur;
    if (fs::is_symlink(cible, erreur)) {
        cible = fs::canonical(cible, erreur); // replace the file, not the link to it
        if (erreur) {
            return false;
        }
    }
    struct stat etat {};
    const bool existe = ::stat(cible.c_str(), &etat) == 0;
    // A directory, a device, or a file the user may not write is never replaced.
    if (existe &&
        (!S_ISREG(etat.st_mode) || ::faccessat(AT_FDCWD, cible.c_str(), W_OK, AT_EACCESS) != 0)) {
        return false;
    }
    const fs::path dossier = cible.parent_path();
    std::string temporaire;
    const int fd = creerTemporaire(dossier, temporaire);
    if (fd < 0) {
        return existe && (errno == EACCES || errno == EPERM) && ecrireSurPlace(cible, contenu);
    }
    bool ecrit = true;
    if (existe) {
        ecrit = ::fchmod(fd, etat.st_mode & 0777) == 0;
        // The group is kept where the process may set it; elsewhere the file takes the user's
        // own, as a new file would.
        [[maybe_unused]] const int groupe = ::fchown(fd, static_cast<uid_t>(-1), etat.st_gid);
    }
    ecrit = ecrit && ecrireDurablement(fd, contenu);
    ecrit = ::close(fd) == 0 && ecrit;
    if (!ecrit || std::rename(temporaire.c_str(), cible.c_str()) != 0) {
        ::unlink(temporaire.c_str());
        return false;
    }
    // The rename itself lives in the folder.
    const int fdDossier =
        ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdDossier >= 0) {
        ::fsync(fdDossier);
        ::close(fdDossier);
    }
    return true;
}

} // namespace

void verifierTemps(const s_niveau& niveau, const std::function<void(int)>& signalerRetard)
{
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        if (!(static_cast<float>(niveau.duree) >= niveau.ennemis[i].temps)) {
            signalerRetard(i);
        }
    }
}

Ecriture enregistrerNiveau(const s_niveau& niveau, const std::string& chemin, FormeProfondeur forme)
{
    // The copy would cut such a path, or keep a line break in it: refuse it whole rather than
    // write some other file.
    if (chemin.size() > LONGUEUR_MAX_CHEMIN || chemin.find('\n') != std::string::npos) {
        return Ecriture::CheminRefuse;
    }
    const std::optional<std::string> nomFichier = copieParFichierTemp(chemin, 0);
    if (!nomFichier) {
        return Ecriture::FichierTemporaireImpossible;
    }
    if (*nomFichier != chemin) {
        return Ecriture::CheminRefuse; // a zero byte ends the copy early
    }
    return remplacerFichier(*nomFichier, texteNiveau(niveau, forme)) ? Ecriture::Reussie
                                                                     : Ecriture::EcritureImpossible;
}
