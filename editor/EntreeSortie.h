#ifndef OMBRELIN_ENTREESORTIE_H
#define OMBRELIN_ENTREESORTIE_H

#include <QObject>

class QWidget;

// Tells when the user enters a field and when focus leaves it for another control of the window.
// A box, a menu or another window taking the focus for a while is neither: the field stays
// entered, as the editor's rules expect.
class EntreeSortie : public QObject {
    Q_OBJECT

public:
    explicit EntreeSortie(QWidget* champ);

signals:
    void Enter();
    void Exit();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool entre_ = false;
};

#endif
