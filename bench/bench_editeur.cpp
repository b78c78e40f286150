// Times the editor's handlers end to end, from the user's click to the repainted widget, on the
// real window with scripted boxes, against the 16 ms of one frame at 60 Hz; and the memory a
// large background leaves held. Widgets are found by name and driven through Qt's generic API.
#include "CopieSecours.h"
#include "Fenetre.h"
#include "PressePapiers.h"
#include "TCSpinEdit.h"
#include "reprise.h"
#include "repartition.h"

#include <QAbstractItemView>
#include <QEventLoop>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using Horloge = std::chrono::steady_clock;

constexpr double TRAME_MS = 16.0;
constexpr double OBJECTIF_TRAME = 0.1;
constexpr double DEUX_TRAMES_MS = 33.0;
constexpr int ECHAUFFEMENT = 20;

// Runs the pending events, at least once, until the condition holds.
void attendreQue(const std::function<bool()>& condition)
{
    const auto limite = Horloge::now() + std::chrono::seconds(10);
    do {
        QCoreApplication::processEvents();
    } while (!condition() && Horloge::now() < limite);
    if (!condition()) {
        qFatal("l'éditeur n'a pas répondu en 10 s");
    }
}

// Counts the paints of a widget made while the condition holds: a change is seen once the widget
// has painted after it.
class Peintures : public QObject {
public:
    explicit Peintures(
        QWidget* widget, std::function<bool()> condition = [] { return true; })
        : condition_(std::move(condition))
    {
        widget->installEventFilter(this);
    }

    // Runs the pending events until the widget has painted more than avant times.
    void attendre(int avant) const
    {
        attendreQue([&] { return nombre != avant; });
    }

    int nombre = 0;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint && condition_()) {
            ++nombre;
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    std::function<bool()> condition_;
};

// Calls a function on every event an object it filters receives.
class Filtre : public QObject {
public:
    explicit Filtre(std::function<void(QObject*, QEvent*)> appel) : appel_(std::move(appel)) {}

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        appel_(objet, evenement);
        return QObject::eventFilter(objet, evenement);
    }

private:
    std::function<void(QObject*, QEvent*)> appel_;
};

// Wall times of action in milliseconds; preparer runs untimed before each run.
Repartition mesurer(int nbMesures, const std::function<void()>& preparer,
                    const std::function<void()>& action)
{
    std::vector<double> durees;
    for (int i = 0; i < ECHAUFFEMENT + nbMesures; ++i) {
        preparer();
        const auto debut = Horloge::now();
        action();
        const std::chrono::duration<double, std::milli> duree = Horloge::now() - debut;
        if (i >= ECHAUFFEMENT) {
            durees.push_back(duree.count());
        }
    }
    return repartition(durees);
}

void afficher(const char* quoi, int nbMesures, const Repartition& r)
{
    const double trame = r.mediane / TRAME_MS;
    std::printf("  %7.3f ms (quartiles %.3f – %.3f)  %6.4f trame  (objectif < %.1f : %s)  %s, "
                "médiane de %d\n",
                r.mediane, r.q1, r.q3, trame, OBJECTIF_TRAME,
                trame < OBJECTIF_TRAME ? "atteint" : "manqué", quoi, nbMesures);
    std::fflush(stdout); // in order with Qt's warnings when both go to one pipe
}

// A box the run did not expect means the handler did not do what is timed.
void verifierBoites(const BoitesScriptees& boites, const QStringList& attendus)
{
    QStringList boitesVues; // the file dialogs the run answers are expected
    for (const QString& boite : boites.journal) {
        if (!boite.startsWith(QStringLiteral("dialogue: "))) {
            boitesVues << boite;
        }
    }
    if (boitesVues != attendus) {
        std::fprintf(stderr, "boîtes inattendues :\n%s\n",
                     qPrintable(boites.journal.join(QLatin1Char('\n'))));
        std::exit(1);
    }
}

// Resident memory of this process now, in MiB.
double residente()
{
    std::ifstream statm("/proc/self/statm");
    double taille = 0, pages = 0;
    statm >> taille >> pages;
    return pages * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The kernel forgets the process's peak resident memory: pic() then counts from now.
void oublierPic() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Peak resident memory of this process, in MiB.
double pic()
{
    std::ifstream status("/proc/self/status");
    for (std::string ligne; std::getline(status, ligne);) {
        if (ligne.rfind("VmHWM:", 0) == 0) {
            return std::stod(ligne.substr(6)) / 1024.0; // given in kB
        }
    }
    return 0;
}

// Double-clicks the entry of the folder list that names the folder, as a user opens it.
void ouvrirDossier(QListWidget* dossiers, const QString& nom)
{
    for (int i = dossiers->count() - 1; i >= 0; --i) {
        QListWidgetItem* element = dossiers->item(i);
        if (element->text().trimmed() == nom) {
            dossiers->scrollToItem(element);
            // What the window system sends: press, release, then a press that is a double click.
            const QPoint centre = dossiers->visualItemRect(element).center();
            QTest::mouseClick(dossiers->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(dossiers->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseRelease(dossiers->viewport(), Qt::LeftButton, {}, centre);
            return;
        }
    }
    qFatal("pas de dossier %s dans la liste", qPrintable(nom));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage : %s DOSSIER_DE_20000_ICONES FOND_5000x5000.bmp\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir grand(QString::fromLocal8Bit(argv[1]));
    const QString fond = QString::fromLocal8Bit(argv[2]);
    Fenetre fenetre;
    fenetre.init();
    BoitesScriptees& boites = fenetre.boites;
    // The editor lists the folder beside the large one, so that a double click opens it.
    QDir::setCurrent(QFileInfo(grand.absolutePath()).path());
    QFile::copy(QStringLiteral(OMBRELIN_ICONES "/tank.ico"), QStringLiteral("tank.ico"));
    fenetre.widget<TDirectoryListBox>("dossiers")->setDirectory(QDir::currentPath());
    fenetre.choisirIcone(QStringLiteral("tank.ico"));
    Peintures peintures(fenetre.widget<TDrawGrid>("Grille"));
    std::printf("Éditeur, plateforme offscreen, une trame = %.0f ms :\n", TRAME_MS);

    int cellule = 0;
    const int nbPlacements = 1000;
    const Repartition placement = mesurer(
        nbPlacements,
        [] {
            if (niveauPlein(niveau)) {
                niveau.nbEnnemis = 0;
            }
        },
        [&] {
            const int avant = peintures.nombre;
            fenetre.cliquerCellule(cellule % TDrawGrid::NB_CELLULES,
                                   cellule / TDrawGrid::NB_CELLULES % TDrawGrid::NB_CELLULES);
            ++cellule;
            peintures.attendre(avant);
        });
    verifierBoites(boites, {});
    afficher("placer un ennemi : clic sur la grille jusqu'à la surface et au niveau", nbPlacements,
             placement);

    // The same placement with its recovery copy written, against one without: before every other
    // placement a file takes the copies' folder's place, so that the copy stops at its first
    // open. The two alternate, so that the machine's load weighs on both alike.
    const QString recuperation = dossierSecours();
    const QString ailleurs = recuperation + QStringLiteral(".ailleurs");
    std::vector<double> avecCopie, sansCopie, ratios;
    for (int i = 0; i < 2 * (ECHAUFFEMENT + nbPlacements); ++i) {
        const bool copie = i % 2 == 0;
        if (niveauPlein(niveau)) {
            niveau.nbEnnemis = 0;
        }
        if (!copie) {
            QDir().rename(recuperation, ailleurs);
            QFile(recuperation).open(QIODevice::WriteOnly);
        }
        const int avant = peintures.nombre;
        const auto debut = Horloge::now();
        fenetre.cliquerCellule(i % TDrawGrid::NB_CELLULES, i / 2 % TDrawGrid::NB_CELLULES);
        peintures.attendre(avant);
        const std::chrono::duration<double, std::milli> duree = Horloge::now() - debut;
        if (!copie) {
            QFile::remove(recuperation);
            QDir().rename(ailleurs, recuperation);
        }
        if (i >= 2 * ECHAUFFEMENT) {
            (copie ? avecCopie : sansCopie).push_back(duree.count());
        }
        if (!copie && i >= 2 * ECHAUFFEMENT) {
            ratios.push_back(avecCopie.back() / sansCopie.back());
        }
    }
    boites.journal.clear(); // the copy's failure, said once
    afficher("placer un ennemi, copie de secours écrite", nbPlacements, repartition(avecCopie));
    afficher("placer un ennemi, sans copie de secours", nbPlacements, repartition(sansCopie));
    afficherLigne(19, "placer un ennemi avec sa copie de secours, contre sans (offscreen)",
                  repartition(ratios), "×", 1.25, false);

    // The look-up a window's start-up makes, with no copy to offer: the folder holds this
    // editor's own, whose lock is held.
    afficherLigne(20, "chercher au démarrage les copies à proposer, aucune (offscreen)",
                  mesurer(
                      nbPlacements, [] {},
                      [&] {
                          proposerCopies(boites, [](const s_niveau&, const QString&) {
                              std::fprintf(stderr, "copie proposée\n");
                              std::exit(1);
                          });
                      }),
                  "ms", 0.5, true);
    verifierBoites(boites, {});

    auto* effacement = fenetre.widget<QPushButton>("effacement");
    const auto effacer = [&] {
        const int avant = peintures.nombre;
        QTest::mouseClick(effacement, Qt::LeftButton);
        peintures.attendre(avant);
    };
    const int nbEffacements = 300;
    const auto sansPreparation = [] {};
    afficher("effacer la grille : clic sur « effacement »", nbEffacements,
             mesurer(nbEffacements, sansPreparation, effacer));
    auto* background = fenetre.widget<QAction>("background1");
    boites.reponses.push_back(QStringLiteral(OMBRELIN_ICONES "/terrain.bmp"));
    background->trigger();
    afficher("effacer la grille sous un fond 363 × 363", nbEffacements,
             mesurer(nbEffacements, sansPreparation, effacer));
    verifierBoites(boites, {});

    niveau.nbEnnemis = 0;
    while (!niveauPlein(niveau)) {
        placerEnnemi(niveau, niveau.nbEnnemis % 11, niveau.nbEnnemis / 11, 0, "tank.ico");
    }
    auto* enregistrerSous = fenetre.widget<QAction>("Enregistrerleniveausous2");
    const QString cible = QDir::current().filePath("niveau"); // the editor appends ".txt"
    const int nbSauvegardes = 300;
    afficher("enregistrer sous un niveau de 100 ennemis", nbSauvegardes,
             mesurer(
                 nbSauvegardes,
                 [&] {
                     boites.journal.clear();
                     boites.reponses.push_back(cible);
                 },
                 [&] {
                     enregistrerSous->trigger();
                     QCoreApplication::processEvents();
                 }));
    verifierBoites(boites, {QStringLiteral("message: Niveau enregistré avec succés sous : \n") +
                            cible + QStringLiteral(".txt")});
    boites.journal.clear();

    // The level just saved, opened again: its reading, the fields, and the grid cleared.
    auto* ouvrir = fenetre.widget<QAction>("Ouvrirunniveau1");
    afficherLigne(9, "ouvrir un niveau de 100 ennemis (offscreen) : Ctrl+O jusqu'à la grille peinte",
                  mesurer(
                      nbSauvegardes, [&] { boites.reponses.push_back(cible + ".txt"); },
                      [&] {
                          const int avant = peintures.nombre;
                          ouvrir->trigger();
                          peintures.attendre(avant);
                      }),
                  "ms", 1, true);
    verifierBoites(boites, {});

    // 100 icons drawn since the last clearing, the last placed before each run: the grid is
    // drawn again with the 99 others.
    auto* retirer = fenetre.widget<QAction>("Retirerledernierennemi1");
    niveau.nbEnnemis = 0;
    for (int i = 0; i < NB_MAX_ENNEMIS - 1; ++i) {
        fenetre.cliquerCellule(i % TDrawGrid::NB_CELLULES, i / TDrawGrid::NB_CELLULES);
    }
    const int nbRetraits = 300;
    afficherLigne(10, "retirer le dernier ennemi, 100 icônes affichées (offscreen)",
                  mesurer(
                      nbRetraits, [&] { fenetre.cliquerCellule(1, 1); },
                      [&] {
                          const int avant = peintures.nombre;
                          retirer->trigger();
                          peintures.attendre(avant);
                      }),
                  "ms", TRAME_MS, true);
    verifierBoites(boites, {});

    // 100 enemies of second 0, each drawn anew when T comes back to it from an empty second.
    fenetre.cliquerCellule(1, 1);
    auto* tempsT = fenetre.widget<TCSpinEdit>("tempsT");
    const int nbSecondes = 300;
    afficherLigne(11, "montrer les 100 ennemis de T (offscreen) : T changé jusqu'à la grille peinte",
                  mesurer(
                      nbSecondes, [&] { tempsT->setValue(1); },
                      [&] {
                          const int avant = peintures.nombre;
                          tempsT->setValue(0);
                          peintures.attendre(avant);
                      }),
                  "ms", 2, true);
    auto* annuler = fenetre.widget<QAction>("Annuler1");
    auto* retablir = fenetre.widget<QAction>("Retablir1");
    const auto jusquALaGrille = [&](QAction* action) {
        return [&peintures, action] {
            const int avant = peintures.nombre;
            action->trigger();
            peintures.attendre(avant);
        };
    };
    afficherLigne(12, "annuler un placement, 100 ennemis (offscreen) : jusqu'à la grille peinte",
                  mesurer(nbRetraits, [&] { retablir->trigger(); }, jusquALaGrille(annuler)), "ms",
                  1, true);
    afficherLigne(13, "rétablir un placement, 100 ennemis (offscreen) : jusqu'à la grille peinte",
                  mesurer(nbRetraits, [&] { annuler->trigger(); }, jusquALaGrille(retablir)),
                  "ms", 1, true);
    // Made anew each time, as the first Ctrl+L of a run makes it, until its table has painted.
    auto* liste = fenetre.widget<QAction>("Listedesennemis1");
    int tablesPeintes = 0;
    Filtre peinture([&](QObject* objet, QEvent* evenement) {
        if (evenement->type() == QEvent::Paint && objet->parent() != nullptr &&
            objet->parent()->objectName() == QStringLiteral("table")) {
            ++tablesPeintes;
        }
    });
    qApp->installEventFilter(&peinture);
    afficherLigne(14, "ouvrir la liste de 100 ennemis (offscreen) : Ctrl+L jusqu'à la table peinte",
                  mesurer(
                      nbSecondes, [&] { delete fenetre.widget<QWidget>("ListeEnnemis"); },
                      [&] {
                          const int avant = tablesPeintes;
                          liste->trigger();
                          attendreQue([&] { return tablesPeintes != avant; });
                      }),
                  "ms", TRAME_MS, true);
    qApp->removeEventFilter(&peinture);
    verifierBoites(boites, {});

    // The wave: a level of 100 enemies over 999 seconds on the strip, then 50 of them over 60
    // seconds, pasted again at T and played back.
    s_niveau vague{"Vague", PROFONDEUR_INITIALE, 999, NB_MAX_ENNEMIS, {}};
    for (int i = 0; i < NB_MAX_ENNEMIS; ++i) {
        vague.ennemis[i] = {i * 9.99f, "tank", float(i % 11 - 5), float(5 - i / 11 % 11)};
    }
    const auto ouvrirVague = [&] {
        const QString chemin = QDir::current().filePath(QStringLiteral("vague.txt"));
        enregistrerNiveau(vague, QFile::encodeName(chemin).toStdString(), FormeProfondeur::Entiere);
        fenetre.form->ouvrirNiveau(chemin);
    };
    ouvrirVague();
    auto* frise = fenetre.widget<QWidget>("frise");
    QImage image(frise->size(), QImage::Format_ARGB32_Premultiplied);
    afficherLigne(15, "peindre la frise de 100 ennemis sur 999 s",
                  mesurer(nbSecondes, sansPreparation, [&] { frise->render(&image); }), "ms", 2,
                  true);
    vague.duree = 60;
    vague.nbEnnemis = 50;
    for (int i = 0; i < vague.nbEnnemis; ++i) {
        vague.ennemis[i].temps = i * 1.2f;
    }
    ouvrirVague();
    std::vector<int> cinquante(50);
    std::iota(cinquante.begin(), cinquante.end(), 0);
    copierEnnemis(vague, cinquante);
    auto* coller = fenetre.widget<QAction>("CollerautempsT1");
    afficherLigne(16, "coller 50 ennemis au temps T (offscreen) : jusqu'aux fenêtres peintes",
                  mesurer(
                      nbSecondes,
                      [&] {
                          if (niveau.nbEnnemis > 50) {
                              annuler->trigger();
                          }
                      },
                      [&] {
                          coller->trigger();
                          QCoreApplication::processEvents();
                      }),
                  "ms", 1, true);
    annuler->trigger();
    verifierBoites(boites, {});

    // Once, in real time: sixty seconds of playback at × 1 from T = 0, to its end.
    QElapsedTimer monotone;
    monotone.start();
    auto* lecture = fenetre.form->findChild<Lecture*>();
    lecture->setHorloge([&monotone] { return monotone.elapsed(); });
    tempsT->setValue(0);
    QEventLoop boucle;
    QObject::connect(lecture, &Lecture::Arret, &boucle, &QEventLoop::quit);
    const auto processeur = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    };
    const double processeurAvant = processeur();
    const auto debut = Horloge::now();
    fenetre.widget<QAction>("Lirelavague1")->trigger();
    boucle.exec();
    const std::chrono::duration<double, std::milli> duree = Horloge::now() - debut;
    const double pourcent = 100 * (processeur() - processeurAvant) / duree.count();
    afficherLigne(17, "dérive d'une lecture de 60 s à × 1 (offscreen), en temps réel",
                  repartition({std::abs(duree.count() - 60000)}), "ms", 50, true);
    afficherLigne(18, "processeur pris par cette lecture", repartition({pourcent}), "%", 1, true);

    // The large folder is listed once all its icons are in the list's model and it has painted.
    auto* dossiers = fenetre.widget<QListWidget>("dossiers");
    auto* fichiers = fenetre.widget<QAbstractItemView>("fichiers");
    const int nbIcones = static_cast<int>(grand.entryList(QDir::Files).size());
    const Peintures listePeinte(fichiers->viewport(),
                                [&] { return fichiers->model()->rowCount() == nbIcones; });
    const QString parent = QDir::current().dirName();
    const int nbOuvertures = 15;
    afficherLigne(
        6, "ouvrir un dossier de 20 000 icônes (offscreen) : double clic jusqu'à la liste peinte",
        mesurer(
            nbOuvertures,
            [&] {
                ouvrirDossier(dossiers, parent);
                attendreQue([&] { return fichiers->model()->rowCount() != nbIcones; });
            },
            [&] {
                const int avant = listePeinte.nombre;
                ouvrirDossier(dossiers, grand.dirName());
                listePeinte.attendre(avant);
            }),
        "ms", DEUX_TRAMES_MS, false);

    // Held: what stays resident once the background is chosen and the grid cleared under it.
    effacer();
    const double avant = residente();
    oublierPic();
    std::vector<double> retenue;
    for (int i = 0; i < 5; ++i) {
        boites.reponses.push_back(fond);
        background->trigger();
        effacer();
        retenue.push_back(residente() - avant);
    }
    verifierBoites(boites, {});
    std::printf("  pic de mémoire au chargement du fond 5000 × 5000 : +%.1f Mio\n", pic() - avant);
    afficherLigne(7, "effacer sous un fond 5000 × 5000 inchangé (offscreen)",
                  mesurer(31, sansPreparation, effacer), "ms", TRAME_MS, true);
    afficherLigne(8, "mémoire retenue pour un fond 5000 × 5000, au-delà de la grille",
                  repartition(retenue), "Mio", 5, true);
    fenetre.cleanup(); // the window goes before its data folder
    return 0;
}
