#include "TDrawGridAccessible.h"

#include "TDrawGrid.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>

namespace {

constexpr int N = TDrawGrid::NB_CELLULES;

// One cell, made when first asked for and kept by the table, as assistive technology holds on to
// the interfaces it was given.
class CaseAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CaseAccessible(TDrawGrid* grille, int index) : grille_(grille), index_(index) {}

    bool isValid() const override { return !grille_.isNull(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(grille_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text quoi) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % N; }
    int rowIndex() const override { return index_ / N; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<TDrawGrid> grille_;
    int index_;
};

QString CaseAccessible::text(QAccessible::Text quoi) const
{
    if (quoi != QAccessible::Name || !isValid()) {
        return {};
    }
    const QStringList& types = grille_->Contenu(columnIndex(), rowIndex());
    return QStringLiteral("x %1, y %2 : %3")
        .arg(QString::number(columnIndex() - N / 2), QString::number(N / 2 - rowIndex()),
             types.isEmpty() ? QStringLiteral("vide") : types.join(QStringLiteral(", ")));
}

QRect CaseAccessible::rect() const
{
    if (!isValid()) {
        return {};
    }
    const int pas = TDrawGrid::TAILLE_CELLULE + grille_->GridLineWidth();
    const QPoint coin = grille_->contentsRect().topLeft() + QPoint(columnIndex(), rowIndex()) * pas;
    return {grille_->mapToGlobal(coin),
            QSize(TDrawGrid::TAILLE_CELLULE, TDrawGrid::TAILLE_CELLULE)};
}

QAccessible::State CaseAccessible::state() const
{
    QAccessible::State etat;
    etat.focusable = true;
    etat.focused =
        isValid() && grille_->hasFocus() && index_ == grille_->Row() * N + grille_->Col();
    return etat;
}

// The grid: a table of N × N cells, the current cell focused while the grid has the focus. Nothing
// is ever selected: the current cell is the one the keys act on.
class GrilleAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GrilleAccessible(TDrawGrid* grille) : QAccessibleWidget(grille, QAccessible::Table) {}
    ~GrilleAccessible() override
    {
        for (CaseAccessible* cellule : cases_) {
            if (cellule != nullptr) {
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cellule));
            }
        }
    }

    int childCount() const override { return N * N; }
    QAccessibleInterface* child(int index) const override { return cellAt(index / N, index % N); }
    int indexOfChild(const QAccessibleInterface* enfant) const override
    {
        const auto trouve = std::find(cases_.begin(), cases_.end(), enfant);
        return trouve == cases_.end() ? -1 : int(trouve - cases_.begin());
    }
    QAccessibleInterface* focusChild() const override
    {
        const auto* grille = static_cast<const TDrawGrid*>(widget());
        return grille->hasFocus() ? cellAt(grille->Row(), grille->Col()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* cellAt(int ligne, int colonne) const override
    {
        if (ligne < 0 || ligne >= N || colonne < 0 || colonne >= N) {
            return nullptr;
        }
        CaseAccessible*& cellule = cases_[ligne * N + colonne];
        if (cellule == nullptr) {
            cellule = new CaseAccessible(static_cast<TDrawGrid*>(widget()), ligne * N + colonne);
            QAccessible::registerAccessibleInterface(cellule);
        }
        return cellule;
    }
    int columnCount() const override { return N; }
    int rowCount() const override { return N; }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<CaseAccessible*, N * N> cases_{};
};

} // namespace

QAccessibleInterface* grilleAccessible(const QString&, QObject* objet)
{
    auto* grille = qobject_cast<TDrawGrid*>(objet);
    return grille != nullptr ? new GrilleAccessible(grille) : nullptr;
}
