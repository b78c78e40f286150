#include "lecture_niveau.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// What the three characters of the duration field can hold.
constexpr int DUREE_MIN = -99;
constexpr int DUREE_MAX = 999;
// x and y of the 11 × 11 grid, counted from its centre.
constexpr float POSITION_MAX = 5;

const char* const ILLISIBLE = "un fichier lisible";

// The file's bytes, or why there are none to read. Its kind is checked before opening, so that a
// FIFO or a device is never opened, and again on the open file, in case another took its name.
std::variant<std::string, Refus> lireOctets(const std::string& chemin)
{
    const Refus pasOrdinaire{0, "un fichier ordinaire, pas un dossier, un tube ni un périphérique"};
    struct stat etat {};
    if (::stat(chemin.c_str(), &etat) != 0) {
        return Refus{0, ILLISIBLE};
    }
    if (!S_ISREG(etat.st_mode)) {
        return pasOrdinaire;
    }
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return Refus{0, ILLISIBLE};
    }
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        return pasOrdinaire;
    }
    // One byte past the limit tells a larger file, which is read no further.
    std::string octets(TAILLE_MAX_NIVEAU + 1, '\0');
    std::size_t lus = 0;
    ssize_t n = 0;
    while (lus < octets.size() && (n = ::read(fd, &octets[lus], octets.size() - lus)) > 0) {
        lus += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (n < 0) {
        return Refus{0, ILLISIBLE};
    }
    if (lus > TAILLE_MAX_NIVEAU) {
        return Refus{0, "un fichier de 64 Kio au plus"};
    }
    octets.resize(lus);
    return octets;
}

// The lines of a text one after the other, without their CR LF or LF; past the end, empty lines.
class Lignes {
public:
    explicit Lignes(std::string_view texte) : reste_(texte) {}

    bool finies() const { return reste_.empty(); }
    // The 1-based number of the line read last.
    int numero() const { return numero_; }

    std::string_view suivante()
    {
        ++numero_;
        const std::size_t saut = reste_.find('\n');
        std::string_view ligne = reste_.substr(0, saut);
        reste_.remove_prefix(saut == std::string_view::npos ? reste_.size() : saut + 1);
        if (saut != std::string_view::npos && !ligne.empty() && ligne.back() == '\r') {
            ligne.remove_suffix(1);
        }
        return ligne;
    }

private:
    std::string_view reste_;
    int numero_ = 0;
};

// An integer as the writer prints it: no sign but '-', no leading zero, no space.
std::optional<long long> entier(std::string_view texte)
{
    long long valeur = 0;
    const char* const fin = texte.data() + texte.size();
    const auto lu = std::from_chars(texte.data(), fin, valeur);
    if (lu.ec != std::errc() || lu.ptr != fin || std::to_string(valeur) != texte) {
        return std::nullopt;
    }
    return valeur;
}

// A finite number with a decimal point, never a comma, whatever the locale.
std::optional<float> decimal(std::string_view texte)
{
    float valeur = 0;
    const char* const fin = texte.data() + texte.size();
    const auto lu = std::from_chars(texte.data(), fin, valeur, std::chars_format::fixed);
    if (lu.ec != std::errc() || lu.ptr != fin || !std::isfinite(valeur)) {
        return std::nullopt;
    }
    return valeur;
}

// A whole x or y of the grid.
std::optional<float> position(std::string_view texte)
{
    const std::optional<float> valeur = decimal(texte);
    if (!valeur || *valeur != std::trunc(*valeur) || std::abs(*valeur) > POSITION_MAX) {
        return std::nullopt;
    }
    return valeur;
}

// The N tab-separated fields of a line, or nothing when it has another number of them.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> champs(std::string_view ligne)
{
    std::array<std::string_view, N> champs;
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t tabulation = ligne.find('\t');
        if ((tabulation == std::string_view::npos) != (i + 1 == N)) {
            return std::nullopt;
        }
        champs[i] = ligne.substr(0, tabulation);
        ligne.remove_prefix(tabulation == std::string_view::npos ? ligne.size() : tabulation + 1);
    }
    return champs;
}

// The time, type, x and y of an enemy, from the four fields that give them in this order, or
// what was expected at the first one at fault.
std::variant<Ennemi, std::string> ennemi(const std::string_view* champ)
{
    const std::optional<float> temps = decimal(champ[0]);
    if (!temps || *temps < 0) {
        return "un temps d'apparition positif ou nul, écrit avec un point";
    }
    if (!texteDuJeu(champ[1])) {
        return "un type d'ennemi en Windows-1252 sans caractère de contrôle";
    }
    const std::optional<float> x = position(champ[2]);
    const std::optional<float> y = position(champ[3]);
    if (!x || !y) {
        return std::string("pour ") + (x ? "y" : "x") + " un nombre entier de -5 à 5";
    }
    return Ennemi{*temps, std::string(champ[1]), *x, *y};
}

std::variant<s_niveau, Refus> analyser(std::string_view texte)
{
    Lignes lignes(texte);
    const auto refus = [&lignes](std::string attendu) {
        return Refus{lignes.numero(), std::move(attendu)};
    };
    s_niveau niveau;
    niveau.nom = lignes.suivante();
    if (!texteDuJeu(niveau.nom)) {
        return refus("le nom du niveau, en Windows-1252 sans caractère de contrôle");
    }
    const std::optional<long long> duree = entier(lignes.suivante());
    if (!duree || *duree < DUREE_MIN || *duree > DUREE_MAX) {
        return refus("la durée de la mission, un entier de -99 à 999");
    }
    niveau.duree = static_cast<std::int32_t>(*duree);
    const std::optional<long long> nombre = entier(lignes.suivante());
    if (!nombre || *nombre < 0 || *nombre > NB_MAX_ENNEMIS) {
        return refus("le nombre d'ennemis, un entier de 0 à 100");
    }
    const std::string annonce = ", puisque la ligne 3 en annonce " + std::to_string(*nombre);
    // Without enemy lines the file holds no depth: the level gets the editor's first one.
    niveau.profondeur = PROFONDEUR_INITIALE;
    // The record holds one depth: every line must give the first line's, in the same form.
    std::string_view profondeur;
    for (int i = 0; i < *nombre; ++i) {
        if (lignes.finies()) {
            lignes.suivante();
            return refus("l'ennemi d'indice " + std::to_string(i) + annonce);
        }
        const auto champ = champs<6>(lignes.suivante());
        if (!champ) {
            return refus("six champs séparés par des tabulations");
        }
        if (entier((*champ)[0]) != i) {
            return refus("l'indice " + std::to_string(i));
        }
        std::variant<Ennemi, std::string> lu = ennemi(&(*champ)[1]);
        if (const std::string* attendu = std::get_if<std::string>(&lu)) {
            return refus(*attendu);
        }
        if (i == 0) {
            profondeur = (*champ)[5];
            std::string_view entiere = profondeur;
            if (entiere.size() > 3 && entiere.substr(entiere.size() - 3) == ".00") {
                entiere.remove_suffix(3);
            }
            const std::optional<long long> z = entier(entiere);
            if (!z || *z < INT32_MIN || *z > INT32_MAX) {
                return refus("une profondeur entière, suivie ou non de .00");
            }
            niveau.profondeur = static_cast<std::int32_t>(*z);
        } else if ((*champ)[5] != profondeur) {
            return refus("la profondeur de la ligne 4, " + std::string(profondeur));
        }
        niveau.ennemis[i] = std::get<Ennemi>(std::move(lu));
        niveau.nbEnnemis = i + 1;
    }
    if (!lignes.finies()) {
        lignes.suivante();
        return refus("la fin du fichier" + annonce);
    }
    return niveau;
}

} // namespace

std::string Refus::texte() const
{
    return (ligne > 0 ? "ligne " + std::to_string(ligne) + " : " : std::string()) +
           "on attendait " + attendu;
}

std::variant<s_niveau, Refus> lireNiveau(const std::string& chemin)
{
    const std::variant<std::string, Refus> octets = lireOctets(chemin);
    if (const Refus* refus = std::get_if<Refus>(&octets)) {
        return *refus;
    }
    return analyser(std::get<std::string>(octets));
}

std::variant<std::vector<Ennemi>, Refus> lireEnnemis(std::string_view texte)
{
    if (texte.size() > TAILLE_MAX_NIVEAU) {
        return Refus{0, "un texte de 64 Kio au plus"};
    }
    Lignes lignes(texte);
    std::vector<Ennemi> ennemis;
    do {
        const std::string_view ligne = lignes.suivante();
        if (ennemis.size() == NB_MAX_ENNEMIS) {
            return Refus{lignes.numero(), "la fin du texte : 100 ennemis au plus"};
        }
        const auto champ = champs<4>(ligne);
        if (!champ) {
            return Refus{lignes.numero(), "quatre champs séparés par des tabulations : le temps, "
                                          "le type, x et y"};
        }
        std::variant<Ennemi, std::string> lu = ennemi(champ->data());
        if (const std::string* attendu = std::get_if<std::string>(&lu)) {
            return Refus{lignes.numero(), *attendu};
        }
        ennemis.push_back(std::get<Ennemi>(std::move(lu)));
    } while (!lignes.finies());
    return ennemis;
}

std::optional<float> tempsSaisi(std::string_view texte)
{
    const std::size_t point = texte.find('.');
    const bool chiffres = !texte.empty() && texte.find_first_not_of("0123456789.") == texte.npos;
    if (!chiffres || point == 0 ||
        (point != texte.npos && (texte.size() - point < 2 || texte.size() - point > 3))) {
        return std::nullopt;
    }
    return decimal(texte);
}

std::optional<float> positionSaisie(std::string_view texte)
{
    const std::optional<long long> valeur = entier(texte);
    if (!valeur || *valeur < -5 || *valeur > 5) {
        return std::nullopt;
    }
    return static_cast<float>(*valeur);
}
