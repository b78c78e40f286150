#include "Boites.h"
#include "Unit1.h"
#include "demarrage.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication Application(argc, argv);
    preparerApplication(Application);
    BoitesQt boites;
    TForm1 Form1(boites);
    Form1.show();
    Application.exec();
    return 0;
}
