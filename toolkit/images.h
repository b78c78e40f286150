#ifndef OMBRELIN_IMAGES_H
#define OMBRELIN_IMAGES_H

#include <QImage>
#include <QString>

#include <sys/types.h>

// Pictures come from files the user names: only plain files are read, never a FIFO or a device
// that would block or never end, and what a file may ask for is bounded. A file that cannot be
// read throws Exception with a message naming it.

// The icon's 32 × 32 image (the nearest size, scaled, when the file has none). Only that one
// image of the file is decoded.
QImage chargerIcone(const QString& chemin);

// A bitmap of which only the top-left part that the grid shows is kept. Loading the file it was
// read from again, unchanged since, reuses the pixels kept.
class TBitmap {
public:
    explicit TBitmap(QSize visible) : visible_(visible) {}

    // Throws Exception when the file cannot be read, and keeps the previous picture then.
    void LoadFromFile(const QString& chemin);
    const QImage& image() const { return image_; }

private:
    QSize visible_;
    QImage image_;
    // What tells an unchanged file: its path, size and modification time.
    QString chemin_;
    off_t taille_ = -1;
    timespec date_{};
};

#endif
