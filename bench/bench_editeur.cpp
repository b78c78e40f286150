// Times the editor's handlers end to end, from the user's click to the repainted grid, on the
// real window with scripted boxes, against the 16 ms of one frame at 60 Hz.
#include "Fenetre.h"
#include "repartition.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

constexpr double TRAME_MS = 16.0;
constexpr double OBJECTIF_TRAME = 0.1;
constexpr int ECHAUFFEMENT = 20;

// Counts the paints of the grid: a change is seen once the grid has painted after it.
class Peintures : public QObject {
public:
    explicit Peintures(QWidget* widget) { widget->installEventFilter(this); }

    // Runs the pending events, at least once, until the grid has painted more than avant times.
    void attendre(int avant) const
    {
        const auto limite = Horloge::now() + std::chrono::seconds(1);
        do {
            QCoreApplication::processEvents();
        } while (nombre == avant && Horloge::now() < limite);
        if (nombre == avant) {
            qFatal("la grille n'a pas été repeinte");
        }
    }

    int nombre = 0;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint) {
            ++nombre;
        }
        return QObject::eventFilter(objet, evenement);
    }
};

// Median wall time of action in milliseconds; preparer runs untimed before each run.
double mesurer(int nbMesures, const std::function<void()>& preparer,
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
    return repartition(durees).mediane;
}

void afficher(const char* quoi, int nbMesures, double ms)
{
    const double trame = ms / TRAME_MS;
    std::printf("  %7.3f ms  %6.4f trame  (objectif < %.1f : %s)  %s, médiane de %d\n", ms, trame,
                OBJECTIF_TRAME, trame < OBJECTIF_TRAME ? "atteint" : "manqué", quoi, nbMesures);
    std::fflush(stdout); // in order with Qt's warnings when both go to one pipe
}

// A box the run did not expect means the handler did not do what is timed.
void verifierBoites(const BoitesScriptees& boites, const QStringList& attendus)
{
    if (boites.messages != attendus || !boites.erreurs.isEmpty()) {
        std::fprintf(stderr, "boîtes inattendues :\n%s\n",
                     qPrintable((boites.messages + boites.erreurs).join(QLatin1Char('\n'))));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Fenetre fenetre;
    BoitesScriptees& boites = fenetre.boites;
    QFile::copy(QStringLiteral(OMBRELIN_ICONES "/tank.ico"), fenetre.chemin("tank.ico"));
    fenetre.ouvrir();
    fenetre.choisirIcone(QStringLiteral("tank.ico"));
    Peintures peintures(fenetre.widget<TDrawGrid>("Grille"));
    std::printf("Éditeur, plateforme offscreen, une trame = %.0f ms :\n", TRAME_MS);

    int cellule = 0;
    const int nbPlacements = 1000;
    const double placement = mesurer(
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
    boites.reponsesDialogue.push_back(QStringLiteral(OMBRELIN_ICONES "/terrain.bmp"));
    fenetre.widget<QAction>("background1")->trigger();
    afficher("effacer la grille sous un fond 363 × 363", nbEffacements,
             mesurer(nbEffacements, sansPreparation, effacer));
    verifierBoites(boites, {});

    niveau.nbEnnemis = 0;
    while (!niveauPlein(niveau)) {
        placerEnnemi(niveau, niveau.nbEnnemis % 11, niveau.nbEnnemis / 11, 0, "tank.ico");
    }
    auto* enregistrerSous = fenetre.widget<QAction>("Enregistrerleniveausous2");
    const QString cible = fenetre.chemin("niveau"); // the editor appends ".txt"
    const int nbSauvegardes = 300;
    afficher("enregistrer sous un niveau de 100 ennemis", nbSauvegardes,
             mesurer(
                 nbSauvegardes,
                 [&] {
                     boites.messages.clear();
                     boites.reponsesDialogue.push_back(cible);
                 },
                 [&] {
                     enregistrerSous->trigger();
                     QCoreApplication::processEvents();
                 }));
    verifierBoites(boites, {QStringLiteral("Niveau enregistré avec succés sous : \n") + cible +
                            QStringLiteral(".txt")});
    return 0;
}
