#include "fichier_niveau.h"

#include "copie_fichier_temp.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The game reads files as the Windows editor wrote them, through a text-mode stream.
const char* const FIN_DE_LIGNE = "\r\n";

// "%0.2f" of the C locale, whatever locale the process runs under.
std::string deuxDecimales(float valeur)
{
    char texte[64];
    const auto fin = std::to_chars(texte, texte + sizeof texte, static_cast<double>(valeur),
                                   std::chars_format::fixed, 2);
    return std::string(texte, fin.ptr);
}

std::string contenuNiveau(const s_niveau& niveau, FormeProfondeur forme)
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

// Writes contenu into a fresh file of the target's directory and renames it over the target.
bool remplacerFichier(fs::path cible, const std::string& contenu)
{
    std::error_code erreur;
    if (fs::is_symlink(cible, erreur)) {
        cible = fs::canonical(cible, erreur); // replace the file, not the link to it
        if (erreur) {
            return false;
        }
    }
    const fs::file_status etat = fs::status(cible, erreur);
    if (fs::exists(etat) && !fs::is_regular_file(etat)) {
        return false; // a directory or a device in the way is never replaced
    }
    const fs::path dossier = cible.parent_path();
    for (int numero = 0; numero < 100; ++numero) {
        const fs::path temporaire = dossier / (".ombrelin-" + std::to_string(numero) + ".tmp");
        std::FILE* fichier = std::fopen(temporaire.c_str(), "wx");
        if (fichier == nullptr) {
            if (errno == EEXIST) {
                continue;
            }
            return false;
        }
        bool ecrit = std::fwrite(contenu.data(), 1, contenu.size(), fichier) == contenu.size();
        ecrit = std::fclose(fichier) == 0 && ecrit;
        if (ecrit && std::rename(temporaire.c_str(), cible.c_str()) == 0) {
            return true;
        }
        std::remove(temporaire.c_str());
        return false;
    }
    return false;
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
    return remplacerFichier(*nomFichier, contenuNiveau(niveau, forme))
               ? Ecriture::Reussie
               : Ecriture::EcritureImpossible;
}
