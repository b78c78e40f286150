#include "niveau.h"

#include "copie_fichier_temp.h"

#include <algorithm>
#include <cmath>

bool operator==(const s_niveau& a, const s_niveau& b)
{
    const auto memeEnnemi = [](const Ennemi& e, const Ennemi& f) {
        return e.temps == f.temps && e.type == f.type && e.x == f.x && e.y == f.y;
    };
    return a.nom == b.nom && a.profondeur == b.profondeur && a.duree == b.duree &&
           a.nbEnnemis == b.nbEnnemis &&
           std::equal(a.ennemis.begin(), a.ennemis.begin() + a.nbEnnemis, b.ennemis.begin(),
                      memeEnnemi);
}

bool niveauPlein(const s_niveau& niveau) { return niveau.nbEnnemis >= NB_MAX_ENNEMIS; }

Placement placerEnnemi(s_niveau& niveau, int colonne, int ligne, int tempsT,
                       const std::string& nomFichier)
{
    if (niveauPlein(niveau)) {
        return Placement::NiveauPlein;
    }
    const std::optional<std::string> type = nomDeType(nomFichier);
    if (!type) {
        return Placement::CopieImpossible;
    }
    if (contientCaractereDeControle(*type)) {
        return Placement::NomInvalide;
    }
    Ennemi& ennemi = niveau.ennemis[niveau.nbEnnemis];
    ennemi.x = static_cast<float>(colonne - 5);
    ennemi.y = static_cast<float>(5 - ligne);
    ennemi.type = *type;
    ennemi.temps = static_cast<float>(tempsT);
    ++niveau.nbEnnemis;
    return Placement::Place;
}

bool ajouterEnnemis(s_niveau& niveau, const std::vector<Ennemi>& ennemis, int tempsT)
{
    const auto place = static_cast<std::size_t>(NB_MAX_ENNEMIS - niveau.nbEnnemis);
    if (tempsT < 0 || ennemis.size() > place) {
        return false;
    }
    const auto plusTot = [](const Ennemi& a, const Ennemi& b) { return a.temps < b.temps; };
    const double premier =
        ennemis.empty() ? 0 : std::min_element(ennemis.begin(), ennemis.end(), plusTot)->temps;
    for (Ennemi ennemi : ennemis) {
        ennemi.temps = static_cast<float>(tempsT + (ennemi.temps - premier));
        niveau.ennemis[niveau.nbEnnemis++] = std::move(ennemi);
    }
    return true;
}

bool retirerEnnemis(s_niveau& niveau, const std::vector<int>& indices)
{
    std::array<bool, NB_MAX_ENNEMIS> retire{};
    for (const int i : indices) {
        if (i < 0 || i >= niveau.nbEnnemis) {
            return false;
        }
        retire[i] = true;
    }
    int garde = 0;
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        if (!retire[i]) {
            niveau.ennemis[garde++] = niveau.ennemis[i];
        }
    }
    niveau.nbEnnemis = garde;
    return true;
}

bool modifierEnnemi(s_niveau& niveau, int indice, const Ennemi& ennemi)
{
    const auto position = [](float v) { return v == std::trunc(v) && std::abs(v) <= 5; };
    if (indice < 0 || indice >= niveau.nbEnnemis || !std::isfinite(ennemi.temps) ||
        ennemi.temps < 0 || !position(ennemi.x) || !position(ennemi.y) || ennemi.type.empty() ||
        !texteDuJeu(ennemi.type)) {
        return false;
    }
    niveau.ennemis[indice] = ennemi;
    return true;
}

std::optional<std::string> nomDeType(const std::string& nomFichier)
{
    const std::size_t trouve = nomFichier.find(".ico");
    // A limit equal to the 1-based position of ".ico" keeps exactly the bytes before it; 0 (no
    // marker) makes the copy keep the whole name.
    const int position = trouve == std::string::npos ? 0 : static_cast<int>(trouve) + 1;
    return copieParFichierTemp(nomFichier, position);
}

std::string texteCompteur(const s_niveau& niveau)
{
    return "nombre total d'ennemis : " + std::to_string(niveau.nbEnnemis) + "/" +
           std::to_string(NB_MAX_ENNEMIS);
}

bool contientCaractereDeControle(const std::string& texte)
{
    return std::any_of(texte.begin(), texte.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool texteDuJeu(std::string_view texte)
{
    const std::string octets(texte);
    return !contientCaractereDeControle(octets) &&
           octets.find_first_of("\x81\x8D\x8F\x90\x9D") == std::string::npos;
}
