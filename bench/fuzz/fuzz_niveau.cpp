// Feeds the level library what a folder of icons and a user can give it, and aborts as soon as a
// promise of its headers breaks. Built and run by fuzz.sh only.
#include "copie_fichier_temp.h"
#include "fichier_niveau.h"
#include "lecture_niveau.h"
#include "niveau.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

#define EXIGER(condition) exiger(condition, #condition, __LINE__)

namespace {

void exiger(bool condition, const char* texte, int ligne)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_niveau.cpp:%d : invariant violé : %s\n", ligne, texte);
        std::abort();
    }
}

bool estControle(char c) { return static_cast<unsigned char>(c) < 0x20; }

// What the scratch copy keeps: the text up to a zero byte, at most limite - 1 bytes (254 when
// limite < 1), and nothing after a first line break.
std::string copieAttendue(const std::string& texte, int limite)
{
    const std::size_t garde = limite < 1 ? 254 : static_cast<std::size_t>(limite) - 1;
    const std::string copie = texte.substr(0, std::min(texte.find('\0'), garde));
    const std::size_t saut = copie.find('\n');
    return saut == std::string::npos ? copie : copie.substr(0, saut + 1);
}

std::optional<std::string> lire(const fs::path& chemin)
{
    std::error_code erreur; // a name too long for the file system is just not a file
    if (!fs::is_regular_file(chemin, erreur)) {
        return std::nullopt;
    }
    std::ifstream fichier(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>());
}

// What the editor itself can make, and so what the reader must take back: a duration its field
// holds, times from 0, and texts in Windows-1252 without control bytes.
bool niveauDeLEditeur(const s_niveau& niveau)
{
    const auto texte = [](const std::string& t) {
        return std::none_of(t.begin(), t.end(), estControle) &&
               t.find_first_of("\x81\x8D\x8F\x90\x9D") == std::string::npos;
    };
    return niveau.duree >= -99 && niveau.duree <= 999 && texte(niveau.nom) &&
           std::all_of(niveau.ennemis.begin(), niveau.ennemis.begin() + niveau.nbEnnemis,
                       [&](const Ennemi& e) { return e.temps >= 0 && texte(e.type); });
}

// Any bytes as a level file: a refusal or a level, never a crash; a level read writes back to a
// file that reads as the same level.
void lireAuHasard(FuzzedDataProvider& donnees)
{
    std::ofstream("hasard.txt", std::ios::binary) << donnees.ConsumeRandomLengthString(70000);
    const std::variant<s_niveau, Refus> lu = lireNiveau("hasard.txt");
    if (const s_niveau* niveau = std::get_if<s_niveau>(&lu)) {
        EXIGER(niveau->nbEnnemis >= 0 && niveau->nbEnnemis <= NB_MAX_ENNEMIS);
        std::ofstream("hasard.txt", std::ios::binary)
            << texteNiveau(*niveau, FormeProfondeur::Entiere);
        const std::variant<s_niveau, Refus> relu = lireNiveau("hasard.txt");
        EXIGER(std::holds_alternative<s_niveau>(relu) && std::get<s_niveau>(relu) == *niveau);
    } else {
        EXIGER(!std::get<Refus>(lu).attendu.empty());
    }
}

void copier(FuzzedDataProvider& donnees)
{
    const int limite = donnees.ConsumeBool() ? donnees.ConsumeIntegral<int>()
                                             : donnees.ConsumeIntegralInRange(-2, 300);
    const std::string texte = donnees.ConsumeRandomLengthString(600);
    // Equal to the model: a prefix, short enough, ending at its first line break.
    EXIGER(copieParFichierTemp(texte, limite) == copieAttendue(texte, limite));
}

// Places the same icon fois times on one cell, as a user clicking again and again.
void placer(FuzzedDataProvider& donnees, s_niveau& niveau, int fois)
{
    static const char* const suffixes[] = {".ico", ".ICO", ".ico.ico", ".icon", ".ic", ""};
    const int colonne = donnees.ConsumeIntegralInRange(0, 10);
    const int ligne = donnees.ConsumeIntegralInRange(0, 10);
    const int temps = donnees.ConsumeIntegral<int>();
    const std::string nomFichier =
        donnees.ConsumeRandomLengthString(300) + donnees.PickValueInArray(suffixes);
    const std::size_t ico = nomFichier.find(".ico");
    const std::string type =
        copieAttendue(nomFichier, ico == std::string::npos ? 0 : static_cast<int>(ico) + 1);
    EXIGER(nomDeType(nomFichier) == type);

    for (int i = 0; i < fois; ++i) {
        s_niveau attendu = niveau;
        Placement prevu = Placement::Place;
        if (attendu.nbEnnemis == NB_MAX_ENNEMIS) {
            prevu = Placement::NiveauPlein;
        } else if (std::any_of(type.begin(), type.end(), estControle)) {
            prevu = Placement::NomInvalide;
        } else {
            attendu.ennemis[attendu.nbEnnemis++] = {static_cast<float>(temps), type,
                                                    static_cast<float>(colonne - 5),
                                                    static_cast<float>(5 - ligne)};
        }
        EXIGER(placerEnnemi(niveau, colonne, ligne, temps, nomFichier) == prevu);
        EXIGER(niveau == attendu);
        EXIGER(niveau.nbEnnemis <= NB_MAX_ENNEMIS);
    }
}

void regler(FuzzedDataProvider& donnees, s_niveau& niveau)
{
    // The editor refuses names with a control character: none reaches the library.
    std::string nom = donnees.ConsumeRandomLengthString(300);
    nom.erase(std::remove_if(nom.begin(), nom.end(), estControle), nom.end());
    niveau.nom = nom;
    niveau.duree = donnees.ConsumeIntegral<std::int32_t>();
    niveau.profondeur = donnees.ConsumeIntegral<std::int32_t>();
}

std::optional<long long> entier(const std::string& texte)
{
    long long valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || fin != texte.data() + texte.size()) {
        return std::nullopt;
    }
    return valeur;
}

// "%0.2f": digits, a point and exactly two decimals.
std::optional<double> deuxDecimales(const std::string& texte)
{
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur,
                                               std::chars_format::fixed);
    if (texte.size() < 3 || texte[texte.size() - 3] != '.' || erreur != std::errc() ||
        fin != texte.data() + texte.size()) {
        return std::nullopt;
    }
    return valeur;
}

std::vector<std::string> decouper(const std::string& texte, const std::string& separateur)
{
    std::vector<std::string> morceaux;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = texte.find(separateur, debut)) != std::string::npos;
         debut = fin + separateur.size()) {
        morceaux.push_back(texte.substr(debut, fin - debut));
    }
    morceaux.push_back(texte.substr(debut));
    return morceaux;
}

// Reads the level back from its file, as the game would.
void verifierFichier(const std::string& contenu, const s_niveau& niveau, FormeProfondeur forme)
{
    std::vector<std::string> lignes = decouper(contenu, "\r\n");
    EXIGER(lignes.back().empty()); // the last line ends with CR LF too
    lignes.pop_back();
    EXIGER(std::none_of(lignes.begin(), lignes.end(), [](const std::string& ligne) {
        return ligne.find_first_of("\r\n") != std::string::npos;
    }));
    EXIGER(lignes.size() == 3 + static_cast<std::size_t>(niveau.nbEnnemis));
    EXIGER(lignes[0] == niveau.nom);
    EXIGER(entier(lignes[1]) == niveau.duree);
    EXIGER(entier(lignes[2]) == niveau.nbEnnemis);
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        const Ennemi& ennemi = niveau.ennemis[i];
        std::vector<std::string> champs = decouper(lignes[3 + i], "\t");
        EXIGER(champs.size() == 6);
        EXIGER(entier(champs[0]) == i);
        EXIGER(deuxDecimales(champs[1]) == static_cast<double>(ennemi.temps));
        EXIGER(champs[2] == ennemi.type);
        EXIGER(deuxDecimales(champs[3]) == static_cast<double>(ennemi.x));
        EXIGER(deuxDecimales(champs[4]) == static_cast<double>(ennemi.y));
        std::string& profondeur = champs[5];
        if (forme == FormeProfondeur::Decimale) {
            EXIGER(profondeur.size() > 3 &&
                   profondeur.compare(profondeur.size() - 3, 3, ".00") == 0);
            profondeur.resize(profondeur.size() - 3);
        }
        EXIGER(entier(profondeur) == niveau.profondeur);
    }
}

// A relative path inside the working directory. Upper-case names never meet the library's own
// lower-case scratch files, "ennemi.tmp" and ".ombrelin-N.tmp".
std::string cheminRelatif(FuzzedDataProvider& donnees)
{
    static const char* const dossiers[] = {"", "./", "d/", "d/../", "absent/"};
    static const char lettres[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ._-\n";
    std::string chemin = donnees.PickValueInArray(dossiers);
    for (const char octet : donnees.ConsumeRandomLengthString(300)) {
        chemin += lettres[static_cast<unsigned char>(octet) % (sizeof lettres - 1)];
    }
    if (donnees.ConsumeBool()) {
        chemin.resize(donnees.ConsumeIntegralInRange<std::size_t>(250, 260), 'X'); // the 254 edge
    }
    return chemin;
}

void enregistrer(FuzzedDataProvider& donnees, const s_niveau& niveau)
{
    const FormeProfondeur forme =
        donnees.ConsumeBool() ? FormeProfondeur::Entiere : FormeProfondeur::Decimale;
    const std::string chemin = cheminRelatif(donnees);
    const fs::path cible(chemin);
    const fs::path dossier = cible.parent_path().empty() ? fs::path(".") : cible.parent_path();

    std::error_code erreur;
    Ecriture prevue = Ecriture::Reussie;
    if (chemin.size() > LONGUEUR_MAX_CHEMIN || chemin.find('\n') != std::string::npos) {
        prevue = Ecriture::CheminRefuse;
    } else if (!cible.has_filename() || !fs::is_directory(dossier, erreur) ||
               fs::is_directory(cible, erreur)) {
        prevue = Ecriture::EcritureImpossible;
    }
    const std::optional<std::string> avant = lire(cible);
    EXIGER(enregistrerNiveau(niveau, chemin, forme) == prevue);
    if (prevue == Ecriture::Reussie) {
        const std::optional<std::string> contenu = lire(cible);
        EXIGER(contenu.has_value());
        verifierFichier(*contenu, niveau, forme);
        // Written then read: the same level, when the editor could have made it. A file without
        // enemies holds no depth.
        const std::variant<s_niveau, Refus> lu = lireNiveau(chemin);
        EXIGER(std::holds_alternative<s_niveau>(lu) == niveauDeLEditeur(niveau));
        s_niveau attendu = niveau;
        attendu.profondeur = niveau.nbEnnemis > 0 ? niveau.profondeur : PROFONDEUR_INITIALE;
        EXIGER(!niveauDeLEditeur(niveau) || std::get<s_niveau>(lu) == attendu);
    } else {
        EXIGER(lire(cible) == avant);
    }
    for (const char* ici : {".", "d"}) {
        for (const fs::directory_entry& entree : fs::directory_iterator(ici)) {
            EXIGER(entree.path().filename().string().rfind(".ombrelin-", 0) != 0);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A directory of our own, since each input starts by emptying the current one.
    char modele[] = "bac-XXXXXX";
    if (mkdtemp(modele) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    fs::current_path(modele);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille)
{
    for (const fs::directory_entry& entree : fs::directory_iterator(".")) {
        fs::remove_all(entree.path());
    }
    fs::create_directory("d");

    FuzzedDataProvider donnees(octets, taille);
    s_niveau niveau;
    niveau.nom = "Niveau_1";
    niveau.duree = 100;
    niveau.profondeur = -100;
    while (donnees.remaining_bytes() > 0) {
        switch (donnees.ConsumeIntegralInRange(0, 5)) {
        case 0:
            placer(donnees, niveau, 1);
            break;
        case 1:
            placer(donnees, niveau, donnees.ConsumeIntegralInRange(1, 120));
            break;
        case 2:
            copier(donnees);
            break;
        case 3:
            regler(donnees, niveau);
            break;
        case 4:
            lireAuHasard(donnees);
            break;
        default:
            enregistrer(donnees, niveau);
            break;
        }
        EXIGER(!fs::exists("ennemi.tmp"));
    }
    return 0;
}
