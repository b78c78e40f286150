#include "Unit1.h"

#include "Boites.h"
#include "EntreeSortie.h"
#include "ListeEnnemis.h"
#include "NiveauxRecents.h"
#include "PressePapiers.h"
#include "Unit_aide.h"
#include "conversions.h"
#include "erreurs.h"
#include "images.h"
#include "lecture_niveau.h"
#include "reprise.h"
#include "ui_Unit1.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPixmap>

#include <cmath>

s_niveau niveau;

namespace {

// Pure red bounds the fill that wipes the grid, and is the brush once a background is chosen.
constexpr QRgb ROUGE = qRgb(255, 0, 0);

const QString NOM_ILLISIBLE_PAR_LE_JEU = QStringLiteral(
    "« %1 » ne peut pas être utilisé : il contient une tabulation, un saut de ligne ou un "
    "caractère hors de Windows-1252, que le jeu ne sait pas lire.");

const QString TROP_D_ENNEMIS = QStringLiteral("Trop d'ennemis tue l'ennemi !");

const QString FICHIER_TEMPORAIRE_IMPOSSIBLE =
    QStringLiteral("Le fichier temporaire « ennemi.tmp » ne peut pas être écrit dans le dossier "
                   "courant :\n%1\n%2");

void taillePolice(QWidget& widget, int pixels)
{
    QFont police = widget.font();
    police.setPixelSize(pixels);
    widget.setFont(police);
}

} // namespace

TForm1::TForm1(Boites& boites, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()), boites_(boites),
      OpenDialog1(boites, TFileDialog::Sorte::Ouvrir, QStringLiteral("fichier map (*.txt)|*.txt")),
      SaveDialog1(boites, TFileDialog::Sorte::Enregistrer,
                  QStringLiteral("fichier map (*.txt)|*.txt")),
      OuvrirBMP(boites, TFileDialog::Sorte::Ouvrir, QStringLiteral("Bitmaps (*.bmp)|*.bmp")),
      copieSecours(boites), imageFond(QSize(TDrawGrid::NB_CELLULES, TDrawGrid::NB_CELLULES) *
                                      (TDrawGrid::TAILLE_CELLULE + 1))
{
    ui->setupUi(this);
    niveauxRecents = new NiveauxRecents(*ui->Niveauxrecents1);
    move(131, 121); // the layout file only sizes a top-level window
    QAction* annuler =
        document.historique().createUndoAction(this, QStringLiteral("&Annuler"));
    annuler->setObjectName(QStringLiteral("Annuler1"));
    annuler->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction* retablir =
        document.historique().createRedoAction(this, QStringLiteral("Ré&tablir"));
    retablir->setObjectName(QStringLiteral("Retablir1"));
    retablir->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    ui->Edition1->insertActions(ui->Retirerledernierennemi1, {annuler, retablir});
    // Font heights are in pixels, as the layout was drawn; a layout file gives points only.
    taillePolice(*this, 11);
    taillePolice(*ui->NomNiveau, 24);
    ui->DureeMission->setFocus();
    brancherGestionnaires();
    // Wide enough for the longest count once and for all: a placement never lays it out again.
    ui->labelNbEnn->setText(QStringLiteral("nombre total d'ennemis : 100/100"));
    ui->labelNbEnn->adjustSize();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::demarrer(const QString& chemin)
{
    boites_.executer([&] {
        const auto enReprendre = [this](const s_niveau& copie, const QString& fichier) {
            reprendre(copie, fichier);
        };
        if (!proposerCopies(boites_, enReprendre) && !chemin.isEmpty()) {
            ouvrir(chemin);
        }
    });
}

void TForm1::closeEvent(QCloseEvent* evenement)
{
    bool fermer = false;
    boites_.executer([&] { fermer = confirmerAbandon(); });
    evenement->setAccepted(fermer);
}

void TForm1::paintEvent(QPaintEvent* evenement)
{
    QMainWindow::paintEvent(evenement);
    // The folder is listed once the first frame is on its way to the screen: a folder of
    // thousands of icons must not hold the window back.
    if (!dossierListe) {
        dossierListe = true;
        QMetaObject::invokeMethod(
            this, [this] { ui->dossiers->setFileList(ui->fichiers); }, Qt::QueuedConnection);
    }
}

template <class Emetteur, class Signal>
void TForm1::brancher(Emetteur* emetteur, Signal signal, void (TForm1::*gestionnaire)())
{
    connect(emetteur, signal, this, [this, gestionnaire] {
        boites_.executer([this, gestionnaire] { (this->*gestionnaire)(); });
    });
}

void TForm1::brancherGestionnaires()
{
    brancher(ui->Ouvrirunniveau1, &QAction::triggered, &TForm1::Ouvrirunniveau1Click);
    brancher(ui->Enregistrer1, &QAction::triggered, &TForm1::Enregistrer1Click);
    brancher(ui->Enregistrerleniveausous2, &QAction::triggered,
             &TForm1::Enregistrerleniveausous2Click);
    brancher(ui->Quitter1, &QAction::triggered, &TForm1::Quitter1Click);
    brancher(ui->Retirerledernierennemi1, &QAction::triggered,
             &TForm1::Retirerledernierennemi1Click);
    brancher(ui->Listedesennemis1, &QAction::triggered, &TForm1::Listedesennemis1Click);
    brancher(ui->CollerautempsT1, &QAction::triggered, &TForm1::CollerautempsT1Click);
    brancher(ui->Lirelavague1, &QAction::triggered, &TForm1::Lirelavague1Click);
    brancher(ui->changerlaprofondeur1, &QAction::triggered, &TForm1::changerlaprofondeur1Click);
    brancher(ui->background1, &QAction::triggered, &TForm1::background1Click);
    brancher(ui->Aide1, &QAction::triggered, &TForm1::Aide1Click);
    // A recent level opens as "Ouvrir un niveau" opens the one chosen in its dialog.
    connect(niveauxRecents, &NiveauxRecents::choisi, this, [this](const QString& chemin) {
        boites_.executer([&] {
            if (confirmerAbandon()) {
                ouvrir(chemin);
            }
        });
    });

    brancher(ui->NomNiveau, &TLabel::Click, &TForm1::NomNiveauClick);
    brancher(ui->fichiers, &TFileListBox::Change, &TForm1::fichiersChange);
    brancher(ui->Grille, &TDrawGrid::MouseUp, &TForm1::GrilleMouseUp);
    brancher(ui->effacement, &QPushButton::clicked, &TForm1::effacementClick);

    saisieDuree = new EntreeSortie(ui->DureeMission);
    brancher(saisieDuree, &EntreeSortie::Enter, &TForm1::DureeMissionEnter);
    brancher(saisieDuree, &EntreeSortie::Exit, &TForm1::DureeMissionExit);
    saisieTemps = new EntreeSortie(ui->tempsT);
    brancher(saisieTemps, &EntreeSortie::Enter, &TForm1::tempsTEnter);
    brancher(saisieTemps, &EntreeSortie::Exit, &TForm1::tempsTExit);
    brancher(ui->tempsT, &TCSpinEdit::Change, &TForm1::tempsTChange);
    connect(&document, &DocumentNiveau::Change, this, [this](bool redessiner) {
        boites_.executer([this, redessiner] { DocumentChange(redessiner); });
    });
    // Playing changes nothing; any change of the level stops it.
    connect(ui->Arreterlalecture1, &QAction::triggered, &lecture, &Lecture::arreter);
    connect(&document, &DocumentNiveau::Change, &lecture, &Lecture::arreter);
    connect(&lecture, &Lecture::Seconde, this, [this](int seconde) {
        boites_.executer([this, seconde] { LectureSeconde(seconde); });
    });
    brancher(&lecture, &Lecture::Arret, &TForm1::LectureArret);
}

void TForm1::FormCreate()
{
    niveau.nbEnnemis = 0;
    niveau.duree = 100;
    niveau.nom = versAnsi(ui->NomNiveau->text()).value_or(std::string());
    afficherNom(ui->NomNiveau->text());
    niveau.profondeur = PROFONDEUR_INITIALE;
    afficherCompteur();
    niveauEnregistre = niveau;
}

// The counter, and the removal that only a level with enemies allows.
void TForm1::afficherCompteur()
{
    ui->labelNbEnn->setText(QString::fromStdString(texteCompteur(niveau)));
    ui->Retirerledernierennemi1->setEnabled(niveau.nbEnnemis > 0);
}

// The name label, and what a screen reader says of it.
void TForm1::afficherNom(const QString& nom)
{
    ui->NomNiveau->setText(nom);
    ui->NomNiveau->setAccessibleName(
        QStringLiteral("Nom du niveau : %1, cliquer pour le changer").arg(nom));
}

void TForm1::Quitter1Click() { close(); }

// Opening a level

void TForm1::Ouvrirunniveau1Click()
{
    if (confirmerAbandon() && OpenDialog1.Execute()) {
        ouvrir(OpenDialog1.FileName);
    }
}

void TForm1::ouvrir(const QString& chemin)
{
    const std::variant<s_niveau, Refus> lu = lireNiveau(QFile::encodeName(chemin).toStdString());
    if (const Refus* refus = std::get_if<Refus>(&lu)) {
        boites_.afficherErreur(
            QStringLiteral("Impossible d'ouvrir le niveau :\n%1\n%2.\nLe niveau en cours n'a pas "
                           "changé.")
                .arg(chemin, QString::fromStdString(refus->texte())));
        niveauxRecents->retirer(chemin); // gone, or not a level: no use offering it again
        return;
    }
    niveauEnregistre = std::get<s_niveau>(lu);
    afficherNiveau(niveauEnregistre, chemin); // Ctrl+S writes it back
    niveauxRecents->ajouter(chemin);
}

void TForm1::afficherNiveau(const s_niveau& nouveau, const QString& chemin)
{
    SaveDialog1.FileName = chemin;
    document.remplacer(nouveau);
    ui->DureeMission->setText(IntToStr(niveau.duree)); // whatever the field held, unapplied
}

// The fields, the counter and the display follow the level, whatever changed it.
void TForm1::DocumentChange(bool redessiner)
{
    niveauChange();
    afficherCompteur();
    afficherNom(depuisAnsi(niveau.nom));
    // T's bound is the duration shown: a field being typed in keeps its text until it changes.
    if (niveau.duree != ui->tempsT->MaxValue()) {
        ui->DureeMission->setText(IntToStr(niveau.duree));
        ui->tempsT->setMaxValue(niveau.duree);
        if (ui->tempsT->Value() > niveau.duree) {
            ui->tempsT->setValue(niveau.duree);
        }
    }
    if (redessiner) {
        afficherT();
    }
}

// A copy taken up at start-up counts as changed: against its file as it is now, or the level the
// editor started with.
void TForm1::reprendre(const s_niveau& copie, const QString& chemin)
{
    if (!chemin.isEmpty()) {
        const std::variant<s_niveau, Refus> lu =
            lireNiveau(QFile::encodeName(chemin).toStdString());
        if (const s_niveau* fichier = std::get_if<s_niveau>(&lu)) {
            niveauEnregistre = *fichier;
        }
    }
    afficherNiveau(copie, chemin);
}

void TForm1::niveauChange()
{
    if (niveau == niveauEnregistre) {
        copieSecours.supprimer();
    } else {
        copieSecours.ecrire(niveau, SaveDialog1.FileName);
    }
}

// Unsaved work is never dropped silently: a level changed since it was opened or written is
// saved first, or dropped because the user says so. False when it must stay: the user cancelled,
// or nothing was written.
bool TForm1::confirmerAbandon()
{
    appliquerSaisieEnCours();
    if (niveau == niveauEnregistre) {
        return true;
    }
    switch (boites_.Question(QStringLiteral("Les modifications du niveau « %1 » ne sont pas "
                                            "enregistrées.\nLes enregistrer avant de continuer ?")
                                 .arg(ui->NomNiveau->text()))) {
    case QMessageBox::Save:
        Enregistrer1Click();
        return niveau == niveauEnregistre;
    case QMessageBox::Discard:
        copieSecours.supprimer();
        return true;
    default:
        return false;
    }
}

void TForm1::Retirerledernierennemi1Click() { document.retirer({niveau.nbEnnemis - 1}); }

void TForm1::Listedesennemis1Click()
{
    if (listeEnnemis == nullptr) {
        listeEnnemis = new ListeEnnemis(document, lecture, *ui->Lirelavague1, this);
        listeEnnemis->move(frameGeometry().topRight() + QPoint(8, 0)); // beside, not over
        // Undo and redo from the list too.
        listeEnnemis->addActions(ui->Edition1->actions());
        connect(listeEnnemis, &ListeEnnemis::EnnemiChoisi, this, [this](int indice) {
            boites_.executer([this, indice] { ListeEnnemisEnnemiChoisi(indice); });
        });
        // After the edit has closed: the box must not open inside the table's commit.
        connect(
            &listeEnnemis->modele(), &ModeleEnnemis::Refus, this,
            [this](int colonne, const QString& texte) {
                boites_.executer([&] { ListeEnnemisRefus(colonne, texte); });
            },
            Qt::QueuedConnection);
        // T chosen on the strip: the user takes it over from a playback.
        connect(listeEnnemis, &ListeEnnemis::TempsChoisi, this, [this](int seconde) {
            lecture.arreter();
            boites_.executer([this, seconde] { ui->tempsT->setValue(seconde); });
        });
        brancher(listeEnnemis.data(), &ListeEnnemis::Dupliquer, &TForm1::ListeEnnemisDupliquer);
        listeEnnemis->montrerTemps(tempsAffiche);
    }
    listeEnnemis->show();
    listeEnnemis->raise();
    listeEnnemis->activateWindow();
}

// The enemy shown among the others of its second, when the duration lets T reach it, and framed.
void TForm1::ListeEnnemisEnnemiChoisi(int indice)
{
    const Ennemi& ennemi = niveau.ennemis[indice];
    const double seconde = std::floor(ennemi.temps);
    if (seconde <= ui->tempsT->MaxValue() && seconde != ui->tempsT->Value()) {
        const QSignalBlocker sansChange(ui->tempsT); // shown below, once
        ui->tempsT->setValue(static_cast<int>(seconde));
        afficherT();
    }
    ui->Grille->Encadrer(static_cast<int>(ennemi.x) + 5, 5 - static_cast<int>(ennemi.y));
}

void TForm1::ListeEnnemisRefus(int colonne, const QString& texte)
{
    const QString inchange = QStringLiteral("\nL'ennemi n'a pas changé.");
    switch (colonne) {
    case ModeleEnnemis::Type:
        boites_.ShowMessage((texte.isEmpty()
                                 ? QStringLiteral("Le type d'un ennemi ne peut pas être vide.")
                                 : NOM_ILLISIBLE_PAR_LE_JEU.arg(texte)) +
                            inchange);
        break;
    case ModeleEnnemis::Temps:
        boites_.ShowMessage(QStringLiteral("« %1 » n'est pas un temps d'apparition : on attend "
                                           "un nombre de 0 ou plus, avec deux décimales au plus.")
                                .arg(texte) +
                            inchange);
        break;
    default:
        boites_.ShowMessage(
            QStringLiteral("« %1 » n'est pas une position : on attend un nombre entier de -5 à 5.")
                .arg(texte) +
            inchange);
    }
}

void TForm1::ListeEnnemisDupliquer()
{
    appliquerSaisieEnCours();
    if (!document.dupliquer(listeEnnemis->selection(), ui->tempsT->Value())) {
        boites_.ShowMessage(TROP_D_ENNEMIS);
    }
}

// The clipboard's enemies at T, all of them or none.
void TForm1::CollerautempsT1Click()
{
    appliquerSaisieEnCours();
    const std::variant<std::vector<Ennemi>, Refus> copies = ennemisCopies();
    if (const Refus* refus = std::get_if<Refus>(&copies)) {
        boites_.ShowMessage(
            QStringLiteral("Le presse-papiers ne contient pas d'ennemis à coller :\n%1.\nAucun "
                           "ennemi n'a été collé.")
                .arg(QString::fromStdString(refus->texte())));
    } else if (!document.coller(std::get<std::vector<Ennemi>>(copies), ui->tempsT->Value())) {
        boites_.ShowMessage(TROP_D_ENNEMIS);
    }
}

// From T to the duration, or from the start when T has reached it; F5 again stops.
void TForm1::Lirelavague1Click()
{
    if (lecture.enCours()) {
        lecture.arreter();
        return;
    }
    const int depuis = ui->tempsT->Value();
    lecture.lancer(depuis >= 0 && depuis < niveau.duree ? depuis : 0, niveau.duree);
    ui->Lirelavague1->setChecked(lecture.enCours());
    ui->Arreterlalecture1->setEnabled(lecture.enCours());
}

// T follows the playback, without the rules of a T typed: it is always in its bounds.
void TForm1::LectureSeconde(int seconde)
{
    const QSignalBlocker sansChange(ui->tempsT);
    ui->tempsT->setValue(seconde);
    afficherT(2);
}

void TForm1::LectureArret()
{
    ui->Lirelavague1->setChecked(false);
    ui->Arreterlalecture1->setEnabled(false);
    afficherT(); // T's enemies alone, as any T shows
}

void TForm1::Aide1Click()
{
    // Made when first asked for, not at start-up: most runs never open it.
    if (Faide == nullptr) {
        Faide = new TFaide(this);
    }
    boites_.ShowModal(*Faide);
}

// Icon palette and placement grid

void TForm1::fichiersChange()
{
    const QString chemin = ui->fichiers->FileName();
    if (!chemin.isEmpty()) {
        ui->Icone->setPixmap(QPixmap::fromImage(chargerIcone(chemin)));
        ui->Icone->setAccessibleName(QStringLiteral("Aperçu de l'icône choisie : ") +
                                     ui->fichiers->SelectedName());
    }
}

void TForm1::GrilleMouseUp()
{
    if (niveauPlein(niveau)) {
        boites_.ShowMessage(TROP_D_ENNEMIS);
        return;
    }
    const QString chemin = ui->fichiers->FileName();
    if (chemin.isEmpty()) {
        return;
    }
    // Everything that can fail comes before the drawing: an icon on the grid is always an enemy
    // of the level.
    const QImage icone = chargerIcone(chemin);
    const QString nomFichier = ui->fichiers->SelectedName();
    const std::optional<std::string> nomAnsi = versAnsi(nomFichier);
    const int colonne = ui->Grille->Col();
    const int ligne = ui->Grille->Row();
    const Placement placement =
        nomAnsi ? document.placer(colonne, ligne, ui->tempsT->Value(), *nomAnsi, icone)
                : Placement::NomInvalide;
    if (placement == Placement::NomInvalide) {
        boites_.ShowMessage(NOM_ILLISIBLE_PAR_LE_JEU.arg(nomFichier) +
                            QStringLiteral("\nAucun ennemi n'a été placé."));
        return;
    }
    if (placement == Placement::CopieImpossible) {
        boites_.ShowMessage(FICHIER_TEMPORAIRE_IMPOSSIBLE.arg(
            QDir::currentPath(), QStringLiteral("Aucun ennemi n'a été placé.")));
        return;
    }
    dessiner(niveau.ennemis[niveau.nbEnnemis - 1], icone);
}

void TForm1::afficherT(int traine)
{
    effacementClick();
    tempsAffiche = ui->tempsT->Value();
    // The oldest second first, the faintest: each later one over it.
    for (int age = traine; age >= 0; --age) {
        for (int i = 0; i < niveau.nbEnnemis; ++i) {
            const Ennemi& ennemi = niveau.ennemis[i];
            if (std::floor(ennemi.temps) == tempsAffiche - age) {
                const QImage& propre = document.icone(i);
                dessiner(ennemi,
                         propre.isNull() ? iconesDossier.pour(ui->fichiers->Directory(),
                                                              ui->fichiers->Items(), ennemi.type)
                                         : propre,
                         1.0 / (1 + 2 * age));
            }
        }
    }
    if (listeEnnemis != nullptr) {
        listeEnnemis->montrerTemps(tempsAffiche);
    }
}

void TForm1::dessiner(const Ennemi& ennemi, const QImage& image, qreal opacite)
{
    const int colonne = static_cast<int>(ennemi.x) + 5;
    const int ligne = 5 - static_cast<int>(ennemi.y);
    const int pas = TDrawGrid::TAILLE_CELLULE + ui->Grille->GridLineWidth();
    ui->Grille->Canvas().Draw(colonne * pas, ligne * pas, image, opacite);
    // What a screen reader says of the cell follows what it shows at T; the faded enemies of the
    // seconds before are for the eye only.
    if (opacite == 1) {
        ui->Grille->setContenu(colonne, ligne,
                               ui->Grille->Contenu(colonne, ligne) +
                                   QStringList(depuisAnsi(ennemi.type)));
    }
}

// Save commands

void TForm1::signalerTempsTardifs()
{
    verifierTemps(niveau, [this](int) {
        boites_.ShowMessage(
            QStringLiteral("des temps d'apparition son superieur a la durée totale !"));
    });
}

bool TForm1::enregistrer(FormeProfondeur forme)
{
    const QString& chemin = SaveDialog1.FileName;
    switch (enregistrerNiveau(niveau, QFile::encodeName(chemin).toStdString(), forme)) {
    case Ecriture::Reussie:
        niveauEnregistre = niveau;
        niveauChange();
        niveauxRecents->ajouter(chemin);
        return true;
    case Ecriture::CheminRefuse:
        boites_.afficherErreur(
            QStringLiteral("Ce chemin ne peut pas recevoir le niveau : il dépasse %1 octets ou "
                           "contient un saut de ligne.\n%2\nLe niveau n'a pas été enregistré.")
                .arg(LONGUEUR_MAX_CHEMIN)
                .arg(chemin));
        break;
    case Ecriture::FichierTemporaireImpossible:
        boites_.afficherErreur(FICHIER_TEMPORAIRE_IMPOSSIBLE.arg(
            QDir::currentPath(), QStringLiteral("Le niveau n'a pas été enregistré.")));
        break;
    case Ecriture::EcritureImpossible:
        boites_.afficherErreur(
            QStringLiteral("Impossible d'écrire le fichier :\n%1\nLe niveau n'a pas été "
                           "enregistré ; un fichier déjà présent à cet endroit est intact.")
                .arg(chemin));
        break;
    }
    return false;
}

// A save given while a field is being edited saves what the field shows: its exit rule runs
// first, as leaving the field would, and a conversion error stops the save.
void TForm1::appliquerSaisieEnCours()
{
    if (saisieDuree->estEntre()) {
        DureeMissionExit();
    }
    if (saisieTemps->estEntre()) {
        tempsTExit();
    }
}

void TForm1::Enregistrer1Click()
{
    appliquerSaisieEnCours();
    if (SaveDialog1.FileName.isEmpty()) {
        Enregistrerleniveausous2Click();
        return;
    }
    signalerTempsTardifs();
    enregistrer(FormeProfondeur::Entiere);
}

void TForm1::Enregistrerleniveausous2Click()
{
    appliquerSaisieEnCours();
    signalerTempsTardifs();
    const QString cheminPrecedent = SaveDialog1.FileName;
    if (!SaveDialog1.Execute()) {
        return;
    }
    // Anywhere in the path, directories included, and case matters: "LEVEL1.TXT" gets ".txt".
    if (!SaveDialog1.FileName.contains(QStringLiteral(".txt"))) {
        SaveDialog1.FileName += QStringLiteral(".txt");
    }
    // Only a level actually written becomes the level's path.
    if (!enregistrer(FormeProfondeur::Decimale)) {
        SaveDialog1.FileName = cheminPrecedent;
        return;
    }
    boites_.ShowMessage(QStringLiteral("Niveau enregistré avec succés sous : \n") +
                        SaveDialog1.FileName);
}

// Background picture and display clearing

void TForm1::background1Click()
{
    const QString fondPrecedent = OuvrirBMP.FileName;
    if (!OuvrirBMP.Execute()) {
        return;
    }
    // A picture that cannot be read changes nothing: the background in use stays, and so does
    // the brush, which would otherwise flood the grid red at the next clearing.
    try {
        imageFond.LoadFromFile(OuvrirBMP.FileName);
    } catch (const Exception&) {
        OuvrirBMP.FileName = fondPrecedent;
        throw;
    }
    TCanvas& surface = ui->Grille->Canvas();
    surface.setBrushColor(ROUGE);
    fondCharge = true;
    surface.Draw(0, 0, imageFond.image());
    ui->Grille->viderContenus(); // under the background now
    ui->Grille->Repaint();
}

void TForm1::effacementClick()
{
    ui->Grille->viderContenus();
    TCanvas& surface = ui->Grille->Canvas();
    surface.FloodFill(1, 1, ROUGE);
    if (fondCharge) {
        imageFond.LoadFromFile(OuvrirBMP.FileName);
        surface.Draw(0, 0, imageFond.image());
    }
    ui->Grille->Repaint();
}

// Field editing rules

void TForm1::DureeMissionEnter() { dureeAvantSaisie = StrToInt(ui->DureeMission->text()); }

void TForm1::DureeMissionExit()
{
    if (ui->DureeMission->text().isEmpty()) {
        ui->DureeMission->setText(IntToStr(dureeAvantSaisie));
    }
    // T's bound follows, with the level.
    document.changerDuree(StrToInt(ui->DureeMission->text()));
}

void TForm1::tempsTEnter() { tempsAvantSaisie = ui->tempsT->Value(); }

void TForm1::tempsTChange()
{
    // The corrections below belong to the keystroke being handled: run again for them, this
    // handler would clear the display twice.
    const QSignalBlocker sansChange(ui->tempsT);
    if (ui->tempsT->text().isEmpty()) {
        ui->tempsT->setValue(tempsAvantSaisie);
    }
    if (ui->tempsT->Value() > ui->tempsT->MaxValue()) {
        ui->tempsT->setValue(ui->tempsT->MaxValue());
    }
    // Each change of T shows its second: the enemies drawn were another's.
    if (ui->tempsT->Value() != tempsAffiche) {
        afficherT();
    }
}

void TForm1::tempsTExit()
{
    if (ui->tempsT->Value() < 0 || ui->tempsT->Value() > ui->tempsT->MaxValue()) {
        ui->tempsT->setValue(tempsAvantSaisie);
    }
}

void TForm1::NomNiveauClick()
{
    const QString nom = boites_.InputBox(QStringLiteral("Choix du nom pour le niveau"),
                                         QStringLiteral("Entrer un nom : "), ui->NomNiveau->text());
    const std::optional<std::string> nomAnsi = versAnsi(nom);
    if (!nomAnsi || contientCaractereDeControle(*nomAnsi)) {
        boites_.ShowMessage(NOM_ILLISIBLE_PAR_LE_JEU.arg(nom) +
                            QStringLiteral("\nLe nom du niveau n'a pas changé."));
        return;
    }
    document.renommer(*nomAnsi);
}

void TForm1::changerlaprofondeur1Click()
{
    document.changerProfondeur(StrToInt(boites_.InputBox(
        QStringLiteral("Apparition des ennemis"),
        QStringLiteral("Profondeur en z ( -10<...<-100 ) : "), IntToStr(niveau.profondeur))));
}
