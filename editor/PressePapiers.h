#ifndef OMBRELIN_PRESSEPAPIERS_H
#define OMBRELIN_PRESSEPAPIERS_H

#include "lecture_niveau.h"

#include <variant>
#include <vector>

// Enemies go through the system clipboard as text, one line each with their time, type, x and y
// tab-separated as the level file writes them, so that a spreadsheet or another editor takes them.

// Puts the enemies of niveau at indices on the clipboard, in the level's order.
void copierEnnemis(const s_niveau& niveau, const std::vector<int>& indices);

// The enemies of the clipboard's text, or the line at fault and why.
std::variant<std::vector<Ennemi>, Refus> ennemisCopies();

#endif
