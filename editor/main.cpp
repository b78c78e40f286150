#include "Boites.h"
#include "Unit1.h"
#include "demarrage.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char* argv[])
{
    // The window alone needs a display.
    const bool fenetre = fenetreDemandee(argc, argv);
    const std::unique_ptr<QCoreApplication> Application =
        fenetre ? std::make_unique<QApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    preparerApplication(*Application);
    const std::optional<LigneDeCommande> ligne = lireLigneDeCommande(*Application);
    if (!ligne || !fenetre) { // without a window, only --verifier is left: help and version end
        return ligne && ligne->verifier ? verifierNiveaux(ligne->fichiers) : 2;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ombrelin.png")));
    BoitesQt boites;
    TForm1 Form1(boites);
    Form1.show();
    Form1.demarrer(ligne->fichiers.value(0));
    QApplication::exec();
    return 0;
}
