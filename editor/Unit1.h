#ifndef OMBRELIN_UNIT1_H
#define OMBRELIN_UNIT1_H

#include "TFileDialog.h"
#include "fichier_niveau.h"
#include "images.h"
#include "niveau.h"

#include <QMainWindow>

#include <memory>
#include <vector>

namespace Ui {
class TForm1;
}
class Boites;
class EntreeSortie;
class NiveauxRecents;
class TFaide;

// The one level of the run: set up when the main window is created, then changed by its handlers
// or replaced by a level opened.
extern s_niveau niveau;

// The main window: one handler per widget event, named after the widget and the event.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Boites& boites, QWidget* parent = nullptr);
    ~TForm1() override;

    // Opens the level file at chemin in place of the current level, or says why it cannot.
    void ouvrirNiveau(const QString& chemin);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    // Quitting, from the menu or the window's frame, asks first about unsaved work.
    void closeEvent(QCloseEvent* evenement) override;

private:
    // An icon drawn on the grid since the last clearing, where it was drawn.
    struct IconeAffichee {
        QPoint coin;
        QImage image;
    };

    void FormCreate();
    void Ouvrirunniveau1Click();
    void Quitter1Click();
    void Retirerledernierennemi1Click();
    void Aide1Click();

    void fichiersChange();
    void GrilleMouseUp();

    void Enregistrer1Click();
    void Enregistrerleniveausous2Click();

    void background1Click();
    void effacementClick();

    void DureeMissionEnter();
    void DureeMissionExit();
    void tempsTEnter();
    void tempsTChange();
    void tempsTExit();
    void NomNiveauClick();
    void changerlaprofondeur1Click();

    void brancherGestionnaires();
    template <class Emetteur, class Signal>
    void brancher(Emetteur* emetteur, Signal signal, void (TForm1::*gestionnaire)());
    void afficherCompteur();
    void ouvrir(const QString& chemin);
    bool confirmerAbandon();
    void appliquerSaisieEnCours();
    void signalerTempsTardifs();
    // Writes the level at SaveDialog1's path; says why and returns false when it could not.
    bool enregistrer(FormeProfondeur forme);

    std::unique_ptr<Ui::TForm1> ui;
    Boites& boites_;
    TFileDialog OpenDialog1;
    TFileDialog SaveDialog1;
    TFileDialog OuvrirBMP;
    TFaide* Faide = nullptr; // owned by the window, made on first use
    NiveauxRecents* niveauxRecents = nullptr;

    EntreeSortie* saisieDuree = nullptr; // owned by DureeMission
    EntreeSortie* saisieTemps = nullptr; // owned by tempsT
    // The level as last opened or written: what quitting would lose is the difference.
    s_niveau niveauEnregistre;
    // The grid as it was before the first of iconesAffichees was drawn over it. They are the
    // icons of the last enemies placed, in order: nothing else draws on the grid but a clearing
    // or a background, which empty the list.
    QImage affichageEfface;
    std::vector<IconeAffichee> iconesAffichees;
    TBitmap imageFond;
    bool fondCharge = false;
    bool dossierListe = false;
    int dureeAvantSaisie = 0;
    int tempsAvantSaisie = 0;
};

#endif
