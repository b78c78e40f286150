#ifndef OMBRELIN_LECTURE_NIVEAU_H
#define OMBRELIN_LECTURE_NIVEAU_H

#include "niveau.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A full level is a few KiB: anything larger is no level, and is not read.
constexpr std::size_t TAILLE_MAX_NIVEAU = 64 * 1024;

// Why a file is not a level: the 1-based line at fault (0 for the file as a whole) and, in
// French, what was expected there.
struct Refus {
    int ligne = 0;
    std::string attendu;

    // "ligne 5 : on attendait …", or "on attendait …" for the file as a whole.
    std::string texte() const;
};

// Reads a level file as enregistrerNiveau writes it, in either depth form, with CR LF or LF line
// breaks, with or without a final one, and refuses anything else. Only a regular file of at most
// TAILLE_MAX_NIVEAU bytes is read: a FIFO or a device is never opened.
std::variant<s_niveau, Refus> lireNiveau(const std::string& chemin);

// Reads enemies as texteEnnemis writes them, one line each, with the level file's rules for
// each field: at least one and at most NB_MAX_ENNEMIS lines, CR LF or LF line breaks, a final one
// or not, TAILLE_MAX_NIVEAU bytes at most. Anything else is refused at the line of its first
// fault.
std::variant<std::vector<Ennemi>, Refus> lireEnnemis(std::string_view texte);

// A time as a user types it: digits, then at most two decimals after a point.
std::optional<float> tempsSaisi(std::string_view texte);
// An x or y as a user types it: a whole number from -5 to 5, as integers are written.
std::optional<float> positionSaisie(std::string_view texte);

#endif
