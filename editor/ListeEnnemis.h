#ifndef OMBRELIN_LISTEENNEMIS_H
#define OMBRELIN_LISTEENNEMIS_H

#include "ModeleEnnemis.h"

#include <QDialog>
#include <QSortFilterProxyModel>

#include <vector>

class QTableView;

// "Ennemis du niveau": every enemy of the level in a table that sorts its view only, edits in
// place and deletes the selected rows. It stays open beside the main window; Escape closes it.
class ListeEnnemis : public QDialog {
    Q_OBJECT

public:
    ListeEnnemis(DocumentNiveau& document, QWidget* parent);

    ModeleEnnemis& modele() { return modele_; }
    // The level's indexes of the rows selected.
    std::vector<int> selection() const;

signals:
    // The current row became that of the enemy at indice.
    void EnnemiChoisi(int indice);

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void Supprimer1Click();

    DocumentNiveau& document_;
    ModeleEnnemis modele_;
    QSortFilterProxyModel tri_;
    QTableView* table_;
};

#endif
