#ifndef OMBRELIN_FENETRE_H
#define OMBRELIN_FENETRE_H

#include "Boites.h"
#include "TCSpinEdit.h"
#include "TDirectoryListBox.h"
#include "TDrawGrid.h"
#include "TFileDialog.h"
#include "TFileListBox.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

const QRgb BLANC = qRgb(255, 255, 255);
const QRgb ROUGE = qRgb(255, 0, 0);
const QRgb VERT = qRgb(0, 160, 0);
const QRgb BLEU = qRgb(0, 0, 200);

inline QImage plein(QRgb couleur, int cote)
{
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(couleur);
    return image;
}

// The real message and input boxes up to their modal loop, where a script answers them, as it
// answers the file dialogs, in order (a null answer, or none left, cancels; a question is answered
// with a button's text). Each box is logged as "message: …", "erreur: …", "question: …",
// "saisie: titre|invite|défaut" or "dialogue: filtre".
class BoitesScriptees : public BoitesQt {
public:
    QStringList reponses;
    QStringList journal;
    QDialog* modale = nullptr;

    std::optional<QString> Execute(const TFileDialog& dialogue) override
    {
        journal << "dialogue: " + dialogue.filtreQt();
        const QString reponse = prendre();
        return reponse.isNull() ? std::nullopt : std::optional(reponse);
    }

    void ShowModal(QDialog& fenetre) override
    {
        modale = &fenetre;
        fenetre.show(); // the test closes it as a user would
    }

protected:
    int lancer(QDialog& boite) override
    {
        if (auto* saisie = qobject_cast<QInputDialog*>(&boite)) {
            journal << "saisie: " + saisie->windowTitle() + '|' + saisie->labelText() + '|' +
                           saisie->textValue();
            const QString reponse = prendre();
            saisie->setTextValue(reponse.isNull() ? "tapé puis annulé" : reponse);
            return reponse.isNull() ? QDialog::Rejected : QDialog::Accepted;
        }
        auto& message = static_cast<QMessageBox&>(boite);
        if (message.textFormat() != Qt::PlainText) {
            qFatal("a box would read names as markup: %s", qPrintable(message.text()));
        }
        if (message.icon() == QMessageBox::Question) {
            journal << "question: " + message.text();
            const QString reponse = prendre();
            for (QAbstractButton* bouton : message.buttons()) {
                if (bouton->text().remove('&') == reponse) {
                    return message.standardButton(bouton);
                }
            }
            return QMessageBox::Cancel;
        }
        journal << (message.icon() == QMessageBox::Critical ? "erreur: " : "message: ") +
                       message.text();
        return QMessageBox::Ok;
    }

private:
    QString prendre() { return reponses.isEmpty() ? QString() : reponses.takeFirst(); }
};

// Each test starts from the main window opened in a fresh current directory that holds a green
// tank.ico and a blue boss.ico, and drives it with real mouse, focus and key events.
class Fenetre : public QObject {
    Q_OBJECT

public:
    BoitesScriptees boites;
    std::unique_ptr<TForm1> form;

    static void creerIcone(const QString& nom, QRgb couleur)
    {
        plein(couleur, 32).save(nom, "ico");
    }

    static void ecrire(const QString& nom, const QByteArray& contenu)
    {
        QFile fichier(nom);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(contenu);
    }

    static QByteArray lire(const QString& nom)
    {
        QFile fichier(nom);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : "<absent>";
    }

    // Puts a FIFO where nom was, or a symbolic link to cible.
    static void remplacer(const QString& nom, const QString& cible = {})
    {
        QFile::remove(nom);
        QVERIFY(cible.isNull() ? mkfifo(qPrintable(nom), 0600) == 0 : QFile::link(cible, nom));
    }

    template <class T = QWidget> T* widget(const char* nom) const
    {
        return form->findChild<T*>(nom);
    }
    void declencher(const char* action) const { widget<QAction>(action)->trigger(); }
    QString chemin(const QString& nom) const { return QDir(dossier_->path()).filePath(nom); }
    // Lists the current directory again, as a double click in the directory list does.
    void relister() const { widget<TDirectoryListBox>("dossiers")->setDirectory(chemin("")); }

    QStringList listees() const
    {
        QStringList noms;
        for (int i = 0; i < widget<TFileListBox>("fichiers")->model()->rowCount(); ++i) {
            noms << widget<TFileListBox>("fichiers")->model()->index(i, 0).data().toString();
        }
        return noms;
    }

    void choisirIcone(const QString& nom) const
    {
        auto* fichiers = widget<TFileListBox>("fichiers");
        const QModelIndex entree = fichiers->model()->index(int(listees().indexOf(nom)), 0);
        fichiers->scrollTo(entree);
        QTest::mouseClick(fichiers->viewport(), Qt::LeftButton, {},
                          fichiers->visualRect(entree).center());
    }

    // Click, select all, type over it: the field is entered and still being edited.
    void taper(const char* champ, const QString& texte) const
    {
        QTest::mouseClick(widget(champ), Qt::LeftButton, {}, QPoint(5, 10));
        QTest::keyClick(widget(champ), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(widget(champ), texte.isEmpty() ? "\b" : texte);
    }

    // The same, then Tab leaves the field.
    void saisir(const char* champ, const QString& texte) const
    {
        taper(champ, texte);
        QTest::keyClick(widget(champ), Qt::Key_Tab);
    }

    // At a cell's centre; or at offset from its top-left corner.
    void cliquerCellule(int colonne, int ligne, Qt::MouseButton bouton = Qt::LeftButton,
                        QPoint decalage = {16, 16}) const
    {
        auto* grille = widget<TDrawGrid>("Grille");
        QTest::mouseClick(grille, bouton, {},
                          grille->contentsRect().topLeft() + QPoint(colonne, ligne) * 33 +
                              decalage);
    }

    const QImage& surface() const { return widget<TDrawGrid>("Grille")->Canvas().image(); }

    // Whether the grid cell, or the whole surface, is of one colour.
    bool uni(QRgb couleur, int colonne = -1, int ligne = 0) const
    {
        const QRect zone = colonne < 0 ? surface().rect() : QRect(colonne * 33, ligne * 33, 32, 32);
        QImage attendu(zone.size(), QImage::Format_RGB32);
        attendu.fill(couleur);
        return surface().copy(zone) == attendu;
    }

public slots: // Qt Test runs them around each test; a benchmark calls them itself
    void init()
    {
        dossier_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(dossier_->path());
        creerIcone("tank.ico", VERT);
        creerIcone("boss.ico", BLEU);
        boites = {};
        form = std::make_unique<TForm1>(boites);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(listees().size(), 2); // listed once the window has painted
    }

    void cleanup()
    {
        form.reset();
        QDir::setCurrent(QDir::rootPath());
        dossier_.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> dossier_;
};

#endif
