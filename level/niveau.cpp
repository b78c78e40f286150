#include "niveau.h"

#include "copie_fichier_temp.h"

#include <algorithm>

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

bool retirerDernierEnnemi(s_niveau& niveau)
{
    if (niveau.nbEnnemis == 0) {
        return false;
    }
    --niveau.nbEnnemis;
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
