#include "Boites.h"
#include "Unit1.h"
#include "demarrage.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // The window alone needs a display.
    if (!fenetreDemandee(argc, argv)) {
        QCoreApplication application(argc, argv);
        preparerApplication(application);
        const std::optional<LigneDeCommande> ligne = lireLigneDeCommande(application);
        return ligne && ligne->verifier ? verifierNiveaux(ligne->fichiers) : 2;
    }
    QApplication Application(argc, argv);
    preparerApplication(Application);
    const std::optional<LigneDeCommande> ligne = lireLigneDeCommande(Application);
    if (!ligne) {
        return 2;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ombrelin.png")));
    BoitesQt boites;
    TForm1 Form1(boites);
    Form1.show();
    if (!ligne->fichiers.isEmpty()) {
        Form1.ouvrirNiveau(ligne->fichiers.first());
    }
    Application.exec();
    return 0;
}
