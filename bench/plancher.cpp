// The first floor of the start-up comparison: the least a Qt Widgets program does to show a
// window of the editor's size.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel fenetre(QStringLiteral("Ombrelin"));
    fenetre.resize(595, 503);
    fenetre.show();
    return application.exec();
}
