#include "TLabel.h"

#include <QMouseEvent>

void TLabel::mouseReleaseEvent(QMouseEvent* evenement)
{
    QLabel::mouseReleaseEvent(evenement);
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint())) {
        emit Click();
    }
}
