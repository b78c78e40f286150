#include "Boites.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication Application(argc, argv);
    Application.setApplicationDisplayName(QStringLiteral("Ombrelin"));
    Application.setWindowIcon(QIcon(QStringLiteral(":/ombrelin.png")));
    BoitesQt boites;
    TForm1 Form1(boites);
    Form1.show();
    Application.exec();
    return 0;
}
