#ifndef OMBRELIN_TDRAWGRID_H
#define OMBRELIN_TDRAWGRID_H

#include "TCanvas.h"

#include <QFrame>

// The 11 × 11 placement grid: square cells separated by one-pixel lines, drawn over a surface
// of its own that keeps what handlers draw on it. A pressed cell becomes the current one.
class TDrawGrid : public QFrame {
    Q_OBJECT

public:
    static constexpr int NB_CELLULES = 11;
    static constexpr int TAILLE_CELLULE = 32;

    explicit TDrawGrid(QWidget* parent = nullptr);

    int Col() const { return colonne_; }
    int Row() const { return ligne_; }
    int GridLineWidth() const { return 1; }
    TCanvas& Canvas() { return canvas_; }
    // Paints the grid at once: the surface, then the lines over it.
    void Repaint() { repaint(); }

signals:
    // A mouse button released over the grid, whichever it was.
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    void selectionner(QPoint position);

    TCanvas canvas_;
    int colonne_ = 0;
    int ligne_ = 0;
};

#endif
