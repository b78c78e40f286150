#ifndef OMBRELIN_UNIT1_H
#define OMBRELIN_UNIT1_H

#include "TFileDialog.h"
#include "fichier_niveau.h"
#include "images.h"
#include "niveau.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class TForm1;
}
class Boites;
class EntreeSortie;
class TFaide;

// The one level of the run: set up when the main window is created, then only changed by its
// handlers. Never read from a file, never cleared.
extern s_niveau niveau;

// The main window: one handler per widget event, named after the widget and the event.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Boites& boites, QWidget* parent = nullptr);
    ~TForm1() override;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    void FormCreate();
    void Quitter1Click();
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
    void appliquerSaisieEnCours();
    void signalerTempsTardifs();
    // Writes the level at SaveDialog1's path; says why and returns false when it could not.
    bool enregistrer(FormeProfondeur forme);

    std::unique_ptr<Ui::TForm1> ui;
    Boites& boites_;
    TFileDialog SaveDialog1;
    TFileDialog OuvrirBMP;
    TFaide* Faide = nullptr; // owned by the window, made on first use

    EntreeSortie* saisieDuree = nullptr; // owned by DureeMission
    EntreeSortie* saisieTemps = nullptr; // owned by tempsT
    TBitmap imageFond;
    bool fondCharge = false;
    bool dossierListe = false;
    int dureeAvantSaisie = 0;
    int tempsAvantSaisie = 0;
};

#endif
