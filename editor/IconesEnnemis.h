#ifndef OMBRELIN_ICONESENNEMIS_H
#define OMBRELIN_ICONESENNEMIS_H

#include <QHash>
#include <QImage>
#include <QStringList>

#include <string>

// What the grid shows for an enemy without an icon of its own: the icon of its type among the
// files listed, or, when there is none or it cannot be read, a marker naming the type. Never a
// box: a level whose icons are all missing still shows every enemy.
class IconesEnnemis {
public:
    // noms are the bare file names listed from dossier.
    QImage pour(const QString& dossier, const QStringList& noms, const std::string& type);

private:
    static QImage marqueur(const QString& type);

    // What was found for dossier and noms, by type: read once per listing.
    QString dossier_;
    QStringList noms_;
    QHash<QString, QString> fichiers_;
    QHash<QString, QImage> images_;
};

#endif
