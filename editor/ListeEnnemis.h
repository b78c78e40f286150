#ifndef OMBRELIN_LISTEENNEMIS_H
#define OMBRELIN_LISTEENNEMIS_H

#include "ModeleEnnemis.h"

#include <QDialog>
#include <QSortFilterProxyModel>

#include <vector>

class FriseTemps;
class Lecture;
class QTableView;

// "Ennemis du niveau": the level's seconds on a strip, above every enemy of the level in a table
// that sorts its view only, edits in place, deletes, copies and duplicates the selected rows; and
// the playback's button and speed. It stays open beside the main window; Escape closes it.
class ListeEnnemis : public QDialog {
    Q_OBJECT

public:
    // lire plays and stops the wave, at the speed the window sets on lecture.
    ListeEnnemis(DocumentNiveau& document, Lecture& lecture, QAction& lire, QWidget* parent);

    ModeleEnnemis& modele() { return modele_; }
    // The level's indexes of the rows selected.
    std::vector<int> selection() const;
    // The second T shows, marked on the strip.
    void montrerTemps(int seconde);

signals:
    // The current row became that of the enemy at indice.
    void EnnemiChoisi(int indice);
    // The strip chose the second for T.
    void TempsChoisi(int seconde);
    // "Dupliquer": the selected rows' enemies, again at T.
    void Dupliquer();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void Supprimer1Click();
    void Trier1Click();
    void Copier1Click();
    // Selects the rows of the enemies that come in during that second.
    void FriseClic(int seconde);
    QAction* action(const QString& nom, const QString& texte, const QKeySequence& touches);

    DocumentNiveau& document_;
    ModeleEnnemis modele_;
    QSortFilterProxyModel tri_;
    QTableView* table_;
    FriseTemps* frise_;
};

#endif
