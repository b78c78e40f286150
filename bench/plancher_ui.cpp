// The second floor of the start-up comparison: the editor's own window description, built with
// stock Qt widgets in place of the editor's classes, and nothing else.
#include "ui_Unit1.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow fenetre;
    Ui::TForm1 ui;
    ui.setupUi(&fenetre);
    fenetre.show();
    return application.exec();
}
