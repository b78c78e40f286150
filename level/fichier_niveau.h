#ifndef OMBRELIN_FICHIER_NIVEAU_H
#define OMBRELIN_FICHIER_NIVEAU_H

#include "niveau.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// How the depth, the last field of every enemy line, is printed: "-100" or "-100.00".
enum class FormeProfondeur { Entiere, Decimale };

enum class Ecriture {
    Reussie,
    CheminRefuse,                // longer than LONGUEUR_MAX_CHEMIN, or holding a line break
    FichierTemporaireImpossible, // the scratch file of the current directory failed
    EcritureImpossible,          // the level file could not be written; any previous one is intact
};

// Level paths pass through the 255-byte scratch copy, which keeps at most this many bytes.
constexpr std::size_t LONGUEUR_MAX_CHEMIN = 254;

// Calls signalerRetard with the index of each enemy, in table order, that appears after the end
// of the mission. The game skips such enemies; the file still holds them.
void verifierTemps(const s_niveau& niveau, const std::function<void(int)>& signalerRetard);

// A time, x or y as the level file writes it: "%0.2f" of the C locale, whatever the process's.
std::string deuxDecimales(float valeur);

// Writes every byte of contenu to fd, going on after an interrupted write; false on a failure.
bool ecrireTout(int fd, const std::string& contenu);

// The bytes of the level file: a name line, the duration, the enemy count, then one line per enemy
// with six tab-separated fields; CR LF line breaks and a decimal point on every machine.
std::string texteNiveau(const s_niveau& niveau, FormeProfondeur forme);

// The enemies at indices (valid, in any order, repeats allowed), in the level's order: one line
// each, LF-ended, with their time, type, x and y tab-separated as texteNiveau writes them.
std::string texteEnnemis(const s_niveau& niveau, std::vector<int> indices);

// Writes texteNiveau at chemin. The file is written beside chemin, flushed to disk and then moved
// over it with the permissions of the file it replaces, so a failure never leaves a truncated
// level where a complete one was; only a folder that refuses new files has its level rewritten in
// place. A file the user may not write is refused.
Ecriture enregistrerNiveau(const s_niveau& niveau, const std::string& chemin,
                           FormeProfondeur forme);

#endif
