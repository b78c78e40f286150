#ifndef OMBRELIN_TDRAWGRIDACCESSIBLE_H
#define OMBRELIN_TDRAWGRIDACCESSIBLE_H

#include <QAccessibleInterface>

// The accessible factory of TDrawGrid: a table of its cells for assistive technology, a cell
// named "x -5, y 5 : tank, boss" (its coordinates as a level file writes them, then what the
// grid's content says it shows, or "vide"). Nothing for any other object.
QAccessibleInterface* grilleAccessible(const QString& classe, QObject* objet);

#endif
