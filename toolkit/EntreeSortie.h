#ifndef OMBRELIN_ENTREESORTIE_H
#define OMBRELIN_ENTREESORTIE_H

#include <QObject>

class QWidget;

// Tells when the user enters a field and when focus leaves it for another control of the window.
// A box, a menu, the menu bar or another window taking the focus for a while is neither: the
// field stays entered, as the editor's rules expect.
class EntreeSortie : public QObject {
    Q_OBJECT

public:
    explicit EntreeSortie(QWidget* champ);

    // Between Enter and Exit: the user is editing the field.
    bool estEntre() const { return entre_; }

signals:
    void Enter();
    void Exit();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool entre_ = false;
};

#endif
