#ifndef OMBRELIN_REPRISE_H
#define OMBRELIN_REPRISE_H

#include "niveau.h"

#include <QString>

#include <functional>

class Boites;

// Hands a copy taken up to the window: its level, and its file's path (empty for none).
using Reprise = std::function<void(const s_niveau& copie, const QString& chemin)>;

// Asks about each recovery copy whose editor no longer runs, newest first. "Reprendre" gives the
// copy to reprendre and ends the questions: the copy goes once reprendre has returned, the window
// then holding its own. "Supprimer" removes the copy; "Plus tard" keeps it for the next start. A
// copy that is not a level may only be removed or kept. True when a copy was taken up.
bool proposerCopies(Boites& boites, const Reprise& reprendre);

#endif
