#ifndef OMBRELIN_TLABEL_H
#define OMBRELIN_TLABEL_H

#include <QLabel>

// A caption that answers a click: the left button pressed and released over it, or Space or
// Enter once Tab has brought it the focus, which a frame then shows. The mouse never focuses it:
// its look changes only for a keyboard user.
class TLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLabel(QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
};

#endif
