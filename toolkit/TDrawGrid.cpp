#include "TDrawGrid.h"

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
}

void TDrawGrid::mousePressEvent(QMouseEvent* evenement)
{
    QFrame::mousePressEvent(evenement);
    selectionner(evenement->position().toPoint());
}

void TDrawGrid::mouseMoveEvent(QMouseEvent* evenement)
{
    if (evenement->buttons() != Qt::NoButton) {
        selectionner(evenement->position().toPoint());
    }
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent*) { emit MouseUp(); }

void TDrawGrid::selectionner(QPoint position)
{
    const QPoint surSurface = position - contentsRect().topLeft();
    colonne_ = std::clamp(surSurface.x() / PAS, 0, NB_CELLULES - 1);
    ligne_ = std::clamp(surSurface.y() / PAS, 0, NB_CELLULES - 1);
}
