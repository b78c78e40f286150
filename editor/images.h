#ifndef OMBRELIN_IMAGES_H
#define OMBRELIN_IMAGES_H

#include <QImage>
#include <QString>

// Both throw Exception with a message naming the file when it cannot be read.

// The icon's 32 × 32 image (the nearest size, scaled, when the file has none).
QImage chargerIcone(const QString& chemin);

QImage chargerBitmap(const QString& chemin);

#endif
