#include "EntreeSortie.h"

#include <QFocusEvent>
#include <QWidget>

EntreeSortie::EntreeSortie(QWidget* champ) : QObject(champ) { champ->installEventFilter(this); }

bool EntreeSortie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::FocusIn && !entre_) {
        entre_ = true;
        emit Enter();
    } else if (evenement->type() == QEvent::FocusOut && entre_) {
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason &&
            raison != Qt::MenuBarFocusReason) {
            entre_ = false;
            emit Exit();
        }
    }
    return QObject::eventFilter(objet, evenement);
}
