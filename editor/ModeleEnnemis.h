#ifndef OMBRELIN_MODELEENNEMIS_H
#define OMBRELIN_MODELEENNEMIS_H

#include <QAbstractTableModel>

class DocumentNiveau;

// The enemies of the level, a row each in the level's order, read straight from the document.
// An edit becomes one step of the document's history; a value the file could not hold is
// refused and the level does not change.
class ModeleEnnemis : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Colonne { Numero, Temps, Type, X, Y, NB_COLONNES };
    // Numbers to sort on, where the text would sort "10.00" before "9.00".
    static constexpr int RoleTri = Qt::UserRole;

    explicit ModeleEnnemis(DocumentNiveau& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& valeur, int role) override;

signals:
    // texte, typed in colonne, is no value the file can hold.
    void Refus(int colonne, const QString& texte);

private:
    void suivre();

    DocumentNiveau& document_;
    int lignes_ = 0;
};

#endif
