#ifndef OMBRELIN_TCANVAS_H
#define OMBRELIN_TCANVAS_H

#include <QImage>

class QPainter;
class QWidget;

// A drawing surface that keeps what is drawn on it until something paints over it. Each change
// shows at once on the widget that displays it. White at first; its pixels are only made when
// first drawn on or read, so that an untouched surface costs nothing at start-up.
class TCanvas {
public:
    TCanvas(QWidget& affichage, QSize taille);

    // opacite below 1 lets what is under the image show through it.
    void Draw(int x, int y, const QImage& image, qreal opacite = 1);
    QRgb BrushColor() const { return pinceau_; }
    void setBrushColor(QRgb couleur) { pinceau_ = couleur; }
    // Border mode: paints with the brush every pixel connected to (x, y), sideways or up and
    // down, up to the pixels of the border colour, which stop the fill.
    void FloodFill(int x, int y, QRgb bordure);

    // Paints the surface at the painter's origin.
    void Paint(QPainter& peintre) const;
    const QImage& image() { return surface(); }

private:
    QImage& surface();

    QWidget& affichage_;
    QSize taille_;
    QImage image_;
    QRgb pinceau_;
};

#endif
