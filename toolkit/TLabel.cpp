#include "TLabel.h"

#include <QMouseEvent>
#include <QPainter>

TLabel::TLabel(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::TabFocus); }

void TLabel::mouseReleaseEvent(QMouseEvent* evenement)
{
    QLabel::mouseReleaseEvent(evenement);
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint())) {
        emit Click();
    }
}

void TLabel::keyPressEvent(QKeyEvent* evenement)
{
    switch (evenement->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Click();
        break;
    default:
        QLabel::keyPressEvent(evenement);
    }
}

void TLabel::paintEvent(QPaintEvent* evenement)
{
    QLabel::paintEvent(evenement);
    // The grid's frame: the window's two clickable widgets show the focus alike.
    if (hasFocus()) {
        QPainter peintre(this);
        peintre.setPen(QPen(palette().color(QPalette::Highlight), 2));
        peintre.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}
