// The floor of the start-up comparison: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget fenetre;
    new QLabel(QStringLiteral("Ombrelin"), &fenetre);
    fenetre.show();
    return application.exec();
}
