#ifndef OMBRELIN_NIVEAUXRECENTS_H
#define OMBRELIN_NIVEAUXRECENTS_H

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

// The last levels opened or written, newest first, kept across runs in the user's settings
// (~/.config/Ombrelin/Ombrelin.conf) and listed in a submenu whose actions it owns: each shows a
// file's name, its folder as tooltip; a last one empties the list.
class NiveauxRecents : public QObject {
    Q_OBJECT

public:
    static constexpr int NOMBRE_MAX = 8;

    explicit NiveauxRecents(QMenu& menu);

    // Puts the level at chemin first, once.
    void ajouter(const QString& chemin);
    void retirer(const QString& chemin);

signals:
    // The user chose the level at chemin.
    void choisi(const QString& chemin);

private:
    void vider();
    void ecrire(const QStringList& chemins);
    // Reads the list again, as another editor may have changed it, and shows it.
    void afficher();

    QMenu& menu_;
    QList<QAction*> entrees_;
    QStringList chemins_;
};

#endif
