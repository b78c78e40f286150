#include "TFileListBox.h"

#include <QAbstractListModel>
#include <QDir>

// One plain entry per name, all of one height: far lighter than an item object per file.
class ListeNoms : public QAbstractListModel {
public:
    explicit ListeNoms(QObject* parent) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(noms.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole) {
            return noms[index.row()];
        }
        return role == Qt::SizeHintRole ? QVariant(QSize(0, hauteur)) : QVariant();
    }

    // In one go: one reset, whatever the count.
    void remplacer(const QStringList& nouveaux)
    {
        beginResetModel();
        noms = nouveaux;
        endResetModel();
    }

    QStringList noms;
    int hauteur = 13;
};

TFileListBox::TFileListBox(QWidget* parent) : QListView(parent), noms_(new ListeNoms(this))
{
    setUniformItemSizes(true);
    setModel(noms_);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TFileListBox::Change);
}

bool TFileListBox::Matches(const QString& nom) const
{
    // Backtracking to the last star only: at most the mask's length of work per character.
    const auto egal = [](QChar a, QChar b) {
        if (a.unicode() < 0x80 && b.unicode() < 0x80) { // the common case, without a table
            const auto minuscule = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c | 0x20 : c; };
            return minuscule(a.unicode()) == minuscule(b.unicode());
        }
        return a.toCaseFolded() == b.toCaseFolded();
    };
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype etoile = -1;
    qsizetype reprise = 0;
    while (n < nom.size()) {
        if (m < masque_.size() && masque_[m] == u'*') {
            etoile = m++;
            reprise = n;
        } else if (m < masque_.size() && (masque_[m] == u'?' || egal(masque_[m], nom[n]))) {
            ++m;
            ++n;
        } else if (etoile >= 0) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < masque_.size() && masque_[m] == u'*') {
        ++m;
    }
    return m == masque_.size();
}

void TFileListBox::setItemHeight(int hauteur)
{
    noms_->hauteur = hauteur;
    doItemsLayout();
}

void TFileListBox::setFiles(const QString& dossier, const QStringList& noms)
{
    dossier_ = dossier;
    noms_->remplacer(noms);
}

const QStringList& TFileListBox::Items() const { return noms_->noms; }

QString TFileListBox::SelectedName() const
{
    const QModelIndexList choisis = selectionModel()->selectedIndexes();
    return choisis.isEmpty() ? QString() : choisis.first().data().toString();
}

QString TFileListBox::FileName() const
{
    const QString nom = SelectedName();
    return nom.isEmpty() ? QString() : QDir(dossier_).filePath(nom);
}
