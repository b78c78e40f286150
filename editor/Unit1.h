#ifndef OMBRELIN_UNIT1_H
#define OMBRELIN_UNIT1_H

#include "DocumentNiveau.h"
#include "IconesEnnemis.h"
#include "CopieSecours.h"
#include "Lecture.h"
#include "TFileDialog.h"
#include "fichier_niveau.h"
#include "images.h"
#include "niveau.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

namespace Ui {
class TForm1;
}
class Boites;
class EntreeSortie;
class ListeEnnemis;
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

    // What the editor does once its window shows: offers the recovery copies left by editors
    // that stopped, then opens the level file at chemin (if any) unless a copy was taken up.
    void demarrer(const QString& chemin);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    // Quitting, from the menu or the window's frame, asks first about unsaved work.
    void closeEvent(QCloseEvent* evenement) override;

private:
    void FormCreate();
    void Ouvrirunniveau1Click();
    void Quitter1Click();
    void Retirerledernierennemi1Click();
    void Listedesennemis1Click();
    void CollerautempsT1Click();
    void Lirelavague1Click();
    void Aide1Click();

    // The enemy list's events.
    void ListeEnnemisEnnemiChoisi(int indice);
    void ListeEnnemisRefus(int colonne, const QString& texte);
    void ListeEnnemisDupliquer();
    // The playback's events.
    void LectureSeconde(int seconde);
    void LectureArret();
    // Every change of the level, undo and redo included.
    void DocumentChange(bool redessiner);

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
    // Clears the display, then draws every enemy of the second T over it, and under them, faded,
    // those of the traine seconds before it.
    void afficherT(int traine = 0);
    void dessiner(const Ennemi& ennemi, const QImage& image, qreal opacite = 1);
    void afficherNom(const QString& nom);
    void ouvrir(const QString& chemin);
    // The level becomes nouveau, with a new history, written to chemin by Ctrl+S.
    void afficherNiveau(const s_niveau& nouveau, const QString& chemin);
    void reprendre(const s_niveau& copie, const QString& chemin);
    // After every change of the level: the recovery copy follows it, or goes when the level is
    // as last opened or written.
    void niveauChange();
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
    TFaide* Faide = nullptr;              // owned by the window, made on first use
    QPointer<ListeEnnemis> listeEnnemis; // the same
    DocumentNiveau document{niveau};
    IconesEnnemis iconesDossier;
    CopieSecours copieSecours;
    NiveauxRecents* niveauxRecents = nullptr;
    Lecture lecture{this};

    EntreeSortie* saisieDuree = nullptr; // owned by DureeMission
    EntreeSortie* saisieTemps = nullptr; // owned by tempsT
    // The level as last opened or written: what quitting would lose is the difference.
    s_niveau niveauEnregistre;
    TBitmap imageFond;
    bool fondCharge = false;
    bool dossierListe = false;
    int dureeAvantSaisie = 0;
    int tempsAvantSaisie = 0;
    int tempsAffiche = 0; // the second whose enemies the grid was last made to show
};

#endif
