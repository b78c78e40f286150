#ifndef OMBRELIN_TLABEL_H
#define OMBRELIN_TLABEL_H

#include <QLabel>

// A caption that answers a click: the left button pressed and released over it.
class TLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* evenement) override;
};

#endif
