#ifndef OMBRELIN_NIVEAU_H
#define OMBRELIN_NIVEAU_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts of a level are Windows-1252 bytes, the game's code page; nothing here re-encodes them.

// The game reserves exactly this many enemy slots per level.
constexpr int NB_MAX_ENNEMIS = 100;

// The depth a new level starts with.
constexpr std::int32_t PROFONDEUR_INITIALE = -100;

struct Ennemi {
    float temps = 0;  // appearance time in seconds
    std::string type; // icon file stem; the game loads the ASE model of that name
    float x = 0;      // column - 5
    float y = 0;      // 5 - row: y grows upwards
};

struct s_niveau {
    std::string nom;
    std::int32_t profondeur = 0; // z of every enemy, taken when the file is written
    std::int32_t duree = 0;      // mission duration in whole seconds
    std::int32_t nbEnnemis = 0;  // entries of ennemis in use
    std::array<Ennemi, NB_MAX_ENNEMIS> ennemis{};
};

enum class Placement {
    Place,
    NiveauPlein,     // the level already holds NB_MAX_ENNEMIS enemies
    CopieImpossible, // the scratch file could not be used to derive the type name
    NomInvalide,     // the type name holds a control character
};

// The same name, duration, depth and enemies in use: the same level, whatever the slots beyond.
bool operator==(const s_niveau& a, const s_niveau& b);
inline bool operator!=(const s_niveau& a, const s_niveau& b) { return !(a == b); }

bool niveauPlein(const s_niveau& niveau);

// Appends one enemy for the grid cell (colonne, ligne), counted from the top-left cell, at time
// tempsT, its type named after the bare icon file name nomFichier. Anything but Place leaves the
// level unchanged.
Placement placerEnnemi(s_niveau& niveau, int colonne, int ligne, int tempsT,
                       const std::string& nomFichier);

// Appends ennemis in their order, the earliest at tempsT and each other at its distance in time
// from it. False, and nothing changed, when tempsT is negative or when the level would then hold
// more than NB_MAX_ENNEMIS enemies.
bool ajouterEnnemis(s_niveau& niveau, const std::vector<Ennemi>& ennemis, int tempsT);

// Takes the enemies at these indexes (in any order, repeats allowed) out of the level; the others
// keep their order. False, and nothing changed, when an index names no enemy.
bool retirerEnnemis(s_niveau& niveau, const std::vector<int>& indices);

// Puts ennemi in place of the enemy at indice. False, and nothing changed, when there is no such
// enemy or when the file could not hold ennemi: a time that is negative or not finite, x or y not
// whole or outside -5...5, a type that is empty or not texteDuJeu.
bool modifierEnnemi(s_niveau& niveau, int indice, const Ennemi& ennemi);

// The part of nomFichier before its first ".ico" (case-sensitive, anywhere in the name), or the
// whole name up to 254 bytes when it has none; nothing when the scratch file fails.
std::optional<std::string> nomDeType(const std::string& nomFichier);

std::string texteCompteur(const s_niveau& niveau);

// A byte below 0x20 (tab, CR, LF...) would break the tab-separated lines the game parses.
bool contientCaractereDeControle(const std::string& texte);

// What the game can show: Windows-1252 without control bytes or the five bytes it leaves
// undefined.
bool texteDuJeu(std::string_view texte);

#endif
