#include "TDrawGrid.h"

#include "TDrawGridAccessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int BORDURE = 3;
constexpr int PAS = TDrawGrid::TAILLE_CELLULE + 1;
constexpr int COTE_SURFACE = TDrawGrid::NB_CELLULES * PAS;

} // namespace

TDrawGrid::TDrawGrid(QWidget* parent)
    : QFrame(parent), canvas_(*this, QSize(COTE_SURFACE, COTE_SURFACE))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BORDURE);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    QAccessible::installFactory(grilleAccessible); // once: the same factory is not added twice
}

void TDrawGrid::paintEvent(QPaintEvent* evenement)
{
    QFrame::paintEvent(evenement);
    QPainter peintre(this);
    peintre.translate(contentsRect().topLeft());
    canvas_.Paint(peintre);
    peintre.setPen(QColor(0xA0, 0xA0, 0xA0));
    for (int i = 0; i < NB_CELLULES; ++i) {
        const int ligne = i * PAS + TAILLE_CELLULE;
        peintre.drawLine(ligne, 0, ligne, COTE_SURFACE - 1);
        peintre.drawLine(0, ligne, COTE_SURFACE - 1, ligne);
    }
    // Over the lines, never on the surface: the frame is no part of what handlers drew. A mouse
    // user sees the grid as it always was.
    if ((hasFocus() && clavier_) || encadre_) {
        peintre.setPen(QPen(palette().color(QPalette::Highlight), 2));
        peintre.drawRect(colonne_ * PAS, ligne_ * PAS, TAILLE_CELLULE, TAILLE_CELLULE);
    }
}

void TDrawGrid::mousePressEvent(QMouseEvent* evenement)
{
    QFrame::mousePressEvent(evenement);
    clavier_ = false;
    selectionner(evenement->position().toPoint());
}

void TDrawGrid::mouseMoveEvent(QMouseEvent* evenement)
{
    if (evenement->buttons() != Qt::NoButton) {
        selectionner(evenement->position().toPoint());
    }
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent*) { emit MouseUp(); }

void TDrawGrid::keyPressEvent(QKeyEvent* evenement)
{
    clavier_ = true;
    switch (evenement->key()) {
    case Qt::Key_Left:
        allerA(colonne_ - 1, ligne_);
        break;
    case Qt::Key_Right:
        allerA(colonne_ + 1, ligne_);
        break;
    case Qt::Key_Up:
        allerA(colonne_, ligne_ - 1);
        break;
    case Qt::Key_Down:
        allerA(colonne_, ligne_ + 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit MouseUp();
        break;
    default:
        QFrame::keyPressEvent(evenement);
    }
}

void TDrawGrid::focusInEvent(QFocusEvent* evenement)
{
    QFrame::focusInEvent(evenement);
    clavier_ = evenement->reason() != Qt::MouseFocusReason;
    annoncer(QAccessible::Focus, colonne_, ligne_);
    update();
}

void TDrawGrid::focusOutEvent(QFocusEvent* evenement)
{
    QFrame::focusOutEvent(evenement);
    update();
}

void TDrawGrid::Encadrer(int colonne, int ligne)
{
    allerA(colonne, ligne);
    encadre_ = true;
}

void TDrawGrid::selectionner(QPoint position)
{
    const QPoint surSurface = position - contentsRect().topLeft();
    allerA(surSurface.x() / PAS, surSurface.y() / PAS);
}

void TDrawGrid::allerA(int colonne, int ligne)
{
    colonne_ = std::clamp(colonne, 0, NB_CELLULES - 1);
    ligne_ = std::clamp(ligne, 0, NB_CELLULES - 1);
    encadre_ = false;
    if (hasFocus()) {
        annoncer(QAccessible::Focus, colonne_, ligne_);
    }
    update();
}

const QStringList& TDrawGrid::Contenu(int colonne, int ligne) const
{
    return contenus_.at(ligne * NB_CELLULES + colonne);
}

void TDrawGrid::setContenu(int colonne, int ligne, const QStringList& types)
{
    contenus_.at(ligne * NB_CELLULES + colonne) = types;
    annoncer(QAccessible::NameChanged, colonne, ligne);
}

void TDrawGrid::viderContenus()
{
    for (int i = 0; i < NB_CELLULES * NB_CELLULES; ++i) {
        if (!contenus_[i].isEmpty()) {
            setContenu(i % NB_CELLULES, i / NB_CELLULES, {});
        }
    }
}

void TDrawGrid::annoncer(QAccessible::Event quoi, int colonne, int ligne)
{
    QAccessibleEvent evenement(this, quoi);
    evenement.setChild(ligne * NB_CELLULES + colonne);
    QAccessible::updateAccessibility(&evenement);
}
