#ifndef OMBRELIN_COPIESECOURS_H
#define OMBRELIN_COPIESECOURS_H

#include "niveau.h"

#include <QFile>
#include <QLockFile>
#include <QString>
#include <QTimer>

#include <optional>
#include <string>

class Boites;

// Where recovery copies live: under the user's data folder, never beside a level.
QString dossierSecours();

// The files of the copy named id: ID.txt, the level in the game's format, changed when the level
// last changed; ID.chemin, the level file's path, when it has one; ID.lock, held while its editor
// runs, so that no other editor offers, reads or removes the copy.
namespace secours {
const QString NIVEAU = QStringLiteral(".txt");
const QString CHEMIN = QStringLiteral(".chemin");
const QString VERROU = QStringLiteral(".lock");
// A path is a few hundred bytes; a larger file is no path of ours.
constexpr std::size_t TAILLE_MAX_CHEMIN = 4096;
// A path as the system's calls take it.
inline std::string natif(const QString& chemin) { return QFile::encodeName(chemin).toStdString(); }
} // namespace secours

// Removes the copy named id; its lock is the caller's.
void supprimerCopie(const QString& dossier, const QString& id);

// This editor's recovery copy, under an id of its own: written at every change of an unsaved
// level before the next input is handled, so that killing the editor loses nothing, and flushed
// to disk within a second, so that a power cut loses no more than that.
class CopieSecours {
public:
    explicit CopieSecours(Boites& boites);

    // Writes the level and the path Ctrl+S writes it to (empty for none). A copy that cannot be
    // written is told once per run; the editor goes on.
    void ecrire(const s_niveau& niveau, const QString& chemin);
    // The level is as written, or dropped: the copy goes.
    void supprimer();

private:
    Boites& boites_;
    const QString dossier_;
    const QString id_;
    QLockFile verrou_;
    QTimer synchronisation_;
    // The path the copy holds, once it was written; nothing while there is no copy.
    std::optional<QString> cheminEcrit_;
    bool echecDit_ = false;
};

#endif
