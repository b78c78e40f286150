#include "ListeEnnemis.h"

#include "DocumentNiveau.h"
#include "FriseTemps.h"
#include "Lecture.h"
#include "PressePapiers.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

ListeEnnemis::ListeEnnemis(DocumentNiveau& document, Lecture& lecture, QAction& lire,
                           QWidget* parent)
    : QDialog(parent), document_(document), modele_(document), table_(new QTableView(this)),
      frise_(new FriseTemps(document, this))
{
    setObjectName(QStringLiteral("ListeEnnemis"));
    setWindowTitle(QStringLiteral("Ennemis du niveau"));
    tri_.setSourceModel(&modele_);
    tri_.setSortRole(ModeleEnnemis::RoleTri);
    table_->setObjectName(QStringLiteral("table"));
    table_->setAccessibleName(QStringLiteral("Ennemis du niveau"));
    table_->setAccessibleDescription(
        QStringLiteral("F2 : modifier la case. Suppr : supprimer les lignes choisies. Ctrl+C, "
                       "Ctrl+D : les copier, les dupliquer. Ctrl+T : trier selon la colonne."));
    table_->setModel(&tri_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder); // the level's order until a header is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->setTabKeyNavigation(false); // Tab leaves the table, for the strip and the playback
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch); // no column hidden
    auto* bouton = new QToolButton(this);
    bouton->setObjectName(QStringLiteral("lire"));
    bouton->setDefaultAction(&lire);
    bouton->setAccessibleName(QStringLiteral("Lire la vague"));
    auto* vitesse = new QComboBox(this);
    vitesse->setObjectName(QStringLiteral("vitesse"));
    vitesse->setAccessibleName(QStringLiteral("Vitesse de lecture"));
    vitesse->addItems({QStringLiteral("× 1"), QStringLiteral("× 2"), QStringLiteral("× 4")});
    connect(vitesse, &QComboBox::currentIndexChanged, &lecture,
            [&lecture](int choix) { lecture.setVitesse(1 << choix); });
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(frise_);
    disposition->addWidget(table_);
    auto* lecteur = new QHBoxLayout;
    lecteur->addWidget(bouton);
    lecteur->addWidget(vitesse);
    lecteur->addStretch();
    disposition->addLayout(lecteur);
    // From the table to the playback's controls, then round to the strip: Shift+Tab from the
    // table reaches it.
    setTabOrder(table_, bouton);
    setTabOrder(bouton, vitesse);
    resize(360, 480);

    table_->setContextMenuPolicy(Qt::ActionsContextMenu); // the actions below, on the rows
    connect(action(QStringLiteral("Supprimer1"), QStringLiteral("Supprimer"),
                   QKeySequence::Delete),
            &QAction::triggered, this, &ListeEnnemis::Supprimer1Click);
    connect(action(QStringLiteral("Copier1"), QStringLiteral("Copier"), QKeySequence::Copy),
            &QAction::triggered, this, &ListeEnnemis::Copier1Click);
    connect(action(QStringLiteral("Dupliquer1"), QStringLiteral("Dupliquer"),
                   QKeySequence(QStringLiteral("Ctrl+D"))),
            &QAction::triggered, this, &ListeEnnemis::Dupliquer);
    connect(action(QStringLiteral("Trier1"), QStringLiteral("Trier selon cette colonne"),
                   QKeySequence(QStringLiteral("Ctrl+T"))),
            &QAction::triggered, this, &ListeEnnemis::Trier1Click);
    connect(frise_, &FriseTemps::Clic, this, &ListeEnnemis::FriseClic);
    connect(frise_, &FriseTemps::TempsChoisi, this, &ListeEnnemis::TempsChoisi);
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

QAction* ListeEnnemis::action(const QString& nom, const QString& texte,
                             const QKeySequence& touches)
{
    auto* action = new QAction(texte, this);
    action->setObjectName(nom);
    action->setShortcut(touches);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    table_->addAction(action);
    return action;
}

// A header's click from the keyboard: the current column, the other way round when it already
// sorts ascending.
void ListeEnnemis::Trier1Click()
{
    const QHeaderView* entete = table_->horizontalHeader();
    const int colonne = table_->currentIndex().column();
    const bool inverser = entete->sortIndicatorSection() == colonne &&
                          entete->sortIndicatorOrder() == Qt::AscendingOrder;
    table_->sortByColumn(colonne, inverser ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ListeEnnemis::montrerTemps(int seconde) { frise_->setTemps(seconde); }

void ListeEnnemis::FriseClic(int seconde)
{
    QItemSelection lignes;
    const s_niveau& niveau = document_.niveau();
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        if (std::floor(niveau.ennemis[i].temps) == seconde) {
            const QModelIndex ligne = tri_.mapFromSource(modele_.index(i, 0));
            lignes.select(ligne, ligne);
        }
    }
    table_->selectionModel()->select(lignes, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
}

void ListeEnnemis::Supprimer1Click() { document_.retirer(selection()); }

void ListeEnnemis::Copier1Click()
{
    if (!selection().empty()) {
        copierEnnemis(document_.niveau(), selection());
    }
}
