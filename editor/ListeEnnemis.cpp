#include "ListeEnnemis.h"

#include "DocumentNiveau.h"

#include <QAction>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

ListeEnnemis::ListeEnnemis(DocumentNiveau& document, QWidget* parent)
    : QDialog(parent), document_(document), modele_(document), table_(new QTableView(this))
{
    setObjectName(QStringLiteral("ListeEnnemis"));
    setWindowTitle(QStringLiteral("Ennemis du niveau"));
    tri_.setSourceModel(&modele_);
    tri_.setSortRole(ModeleEnnemis::RoleTri);
    table_->setObjectName(QStringLiteral("table"));
    table_->setModel(&tri_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder); // the level's order until a header is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch); // no column hidden
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(table_);
    resize(320, 400);

    auto* supprimer = new QAction(QStringLiteral("Supprimer"), this);
    supprimer->setObjectName(QStringLiteral("Supprimer1"));
    supprimer->setShortcut(QKeySequence::Delete);
    supprimer->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(supprimer); // in the table's context menu too
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(supprimer, &QAction::triggered, this, &ListeEnnemis::Supprimer1Click);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& courant) {
                if (courant.isValid()) {
                    emit EnnemiChoisi(tri_.mapToSource(courant).row());
                }
            });
}

std::vector<int> ListeEnnemis::selection() const
{
    std::vector<int> indices;
    for (const QModelIndex& ligne : table_->selectionModel()->selectedRows()) {
        indices.push_back(tri_.mapToSource(ligne).row());
    }
    return indices;
}

void ListeEnnemis::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    table_->setFocus();
    if (!table_->currentIndex().isValid() && tri_.rowCount() > 0) {
        table_->selectRow(0);
    }
}

void ListeEnnemis::Supprimer1Click() { document_.retirer(selection()); }
