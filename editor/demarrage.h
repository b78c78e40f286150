#ifndef OMBRELIN_DEMARRAGE_H
#define OMBRELIN_DEMARRAGE_H

#include <QStringList>

#include <optional>

class QCoreApplication;

// What the application holds before anything else: its name and version, and Qt's own texts
// (dialogs, buttons, command-line errors) in French, whatever the user's locale.
void preparerApplication(QCoreApplication& application);

// Whether the command line is for the window: not when it holds an option (checking levels, help,
// version, or a wrong one), which is answered without a display.
bool fenetreDemandee(int argc, char* argv[]);

// "ombrelin [FICHIER]" opens the window, on that level when one is given; "ombrelin --verifier
// FICHIER..." checks levels.
struct LigneDeCommande {
    bool verifier = false;
    QStringList fichiers;
};

// Reads the application's arguments with Qt's parser. Help and version are printed and end the
// program there; a wrong command line is told on the error output and gives nothing.
std::optional<LigneDeCommande> lireLigneDeCommande(const QCoreApplication& application);

// Reads each level file and prints one French line for it; 0 when every one is a level, else 1.
int verifierNiveaux(const QStringList& fichiers);

#endif
