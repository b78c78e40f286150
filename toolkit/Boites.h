#ifndef OMBRELIN_BOITES_H
#define OMBRELIN_BOITES_H

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class TFileDialog;

// The modal boxes and dialogs of the editor. Every modal loop goes through here, so that tests
// can answer them with a script instead of a user.
class Boites {
public:
    virtual ~Boites() = default;

    virtual void ShowMessage(const QString& texte) = 0;
    // Asks whether to save first: Save, Discard or Cancel (Escape or the frame's close cancel).
    virtual QMessageBox::StandardButton Question(const QString& texte) = 0;
    // Asks with these buttons, each text naming its access key ("&Reprendre" for Alt+R): Enter
    // takes the one of index parDefaut, Escape and the frame's close the last. Returns the index
    // of the button chosen, -1 for none.
    virtual int Choix(const QString& texte, const QStringList& boutons, int parDefaut) = 0;
    // Returns the typed text, or defaut when the user cancels.
    virtual QString InputBox(const QString& titre, const QString& invite,
                             const QString& defaut) = 0;
    // Returns the chosen path, or nothing when the user cancels.
    virtual std::optional<QString> Execute(const TFileDialog& dialogue) = 0;
    virtual void ShowModal(QDialog& fenetre) = 0;
    // The standard box for an error that stopped a handler.
    virtual void afficherErreur(const QString& texte) = 0;

    // Runs a handler as the application's event loop does: an error stops the handler, is shown
    // in the standard error box, and the editor goes on. Nothing unwinds through Qt.
    void executer(const std::function<void()>& gestionnaire);
};

// The real boxes, on Qt's own dialogs. Texts are shown as they are, never read as markup: they
// quote names that users and files give.
class BoitesQt : public Boites {
public:
    void ShowMessage(const QString& texte) override;
    QMessageBox::StandardButton Question(const QString& texte) override;
    int Choix(const QString& texte, const QStringList& boutons, int parDefaut) override;
    QString InputBox(const QString& titre, const QString& invite, const QString& defaut) override;
    std::optional<QString> Execute(const TFileDialog& dialogue) override;
    void ShowModal(QDialog& fenetre) override;
    void afficherErreur(const QString& texte) override;

protected:
    // Shows a message or input box, ready in every other respect, until the user closes it;
    // returns how it was closed.
    virtual int lancer(QDialog& boite);

private:
    // A box of the editor, its text shown as it is.
    static std::unique_ptr<QMessageBox> message(QMessageBox::Icon icone, const QString& texte,
                                                QMessageBox::StandardButtons boutons = {});
    // Returns the button that closed the box.
    int afficher(QMessageBox::Icon icone, const QString& texte,
                 QMessageBox::StandardButtons boutons = QMessageBox::Ok);
};

#endif
