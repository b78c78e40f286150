#ifndef OMBRELIN_FENETRE_H
#define OMBRELIN_FENETRE_H

#include "BoitesScriptees.h"
#include "TCSpinEdit.h"
#include "TDrawGrid.h"
#include "TFileListBox.h"
#include "Unit1.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A main window opened in a fresh current directory, with scripted boxes: what each GUI test
// starts from.
class Fenetre {
public:
    Fenetre() : precedent_(QDir::currentPath()) { QDir::setCurrent(dossier_.path()); }

    ~Fenetre()
    {
        form_.reset();
        QDir::setCurrent(precedent_);
    }

    // Writes a plain 32 × 32 icon of one colour into the current directory.
    static QString creerIcone(const QString& nom, QRgb couleur)
    {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(couleur);
        const QString chemin = QDir::current().filePath(nom);
        image.save(chemin, "ico");
        return chemin;
    }

    // Opens the window on the current directory, as the editor starts.
    TForm1& ouvrir()
    {
        form_ = std::make_unique<TForm1>(boites);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        if (!QTest::qWaitForWindowActive(form_.get())) {
            qWarning("the main window did not become active");
        }
        return *form_;
    }

    template <class T> T* widget(const char* nom) const
    {
        T* trouve = form_->findChild<T*>(QString::fromLatin1(nom));
        if (trouve == nullptr) {
            qFatal("no widget %s", nom);
        }
        return trouve;
    }

    // A click on the entry of the file list, as a user picks an icon.
    void choisirIcone(const QString& nom) const
    {
        auto* fichiers = widget<TFileListBox>("fichiers");
        const QModelIndexList trouves = fichiers->model()->match(
            fichiers->model()->index(0, 0), Qt::DisplayRole, nom, 1, Qt::MatchExactly);
        if (trouves.isEmpty()) {
            qFatal("no icon %s listed", qPrintable(nom));
        }
        fichiers->scrollTo(trouves[0]);
        QTest::mouseClick(fichiers->viewport(), Qt::LeftButton, {},
                          fichiers->visualRect(trouves[0]).center());
    }

    // Types a time into tempsT, as a user does: click, select all, type, then focus elsewhere.
    void taperTemps(const QString& texte) const
    {
        auto* tempsT = widget<TCSpinEdit>("tempsT");
        QTest::mouseClick(tempsT, Qt::LeftButton, {}, QPoint(5, tempsT->height() / 2));
        QTest::keyClick(tempsT, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(tempsT, texte);
    }

    // Press and release in the middle of a grid cell.
    void cliquerCellule(int colonne, int ligne, Qt::MouseButton bouton = Qt::LeftButton) const
    {
        auto* grille = widget<TDrawGrid>("Grille");
        const QPoint centre(colonne * 33 + 16, ligne * 33 + 16);
        QTest::mouseClick(grille, bouton, {}, grille->contentsRect().topLeft() + centre);
    }

    // Whether every pixel of the zone of the image has the colour.
    static bool uni(const QImage& image, const QRect& zone, QRgb couleur)
    {
        for (int y = zone.top(); y <= zone.bottom(); ++y) {
            for (int x = zone.left(); x <= zone.right(); ++x) {
                if ((image.pixel(x, y) & RGB_MASK) != (couleur & RGB_MASK)) {
                    return false;
                }
            }
        }
        return true;
    }

    const QImage& surface() const { return widget<TDrawGrid>("Grille")->Canvas().image(); }

    QString chemin(const QString& nom) const { return QDir(dossier_.path()).filePath(nom); }

    BoitesScriptees boites;

private:
    QString precedent_;
    QTemporaryDir dossier_;
    std::unique_ptr<TForm1> form_;
};

#endif
