#ifndef OMBRELIN_TDRAWGRID_H
#define OMBRELIN_TDRAWGRID_H

#include "TCanvas.h"

#include <QAccessible>
#include <QFrame>
#include <QStringList>

#include <array>

// The 11 × 11 placement grid: square cells separated by one-pixel lines, drawn over a surface
// of its own that keeps what handlers draw on it. A pressed cell becomes the current one; the
// arrow keys move it, and Space or Enter acts on it as a mouse release does. The current cell is
// framed while the grid has the focus from the keyboard, or when a handler asks to show it.
// Assistive technology reads it as a table of cells, the current one focused, each named by its
// coordinates and what the handlers say it shows.
class TDrawGrid : public QFrame {
    Q_OBJECT

public:
    static constexpr int NB_CELLULES = 11;
    static constexpr int TAILLE_CELLULE = 32;

    explicit TDrawGrid(QWidget* parent = nullptr);

    int Col() const { return colonne_; }
    int Row() const { return ligne_; }
    // Makes (colonne, ligne) the current cell and frames it until the next press or key.
    void Encadrer(int colonne, int ligne);
    int GridLineWidth() const { return 1; }
    TCanvas& Canvas() { return canvas_; }
    // Paints the grid at once: the surface, then the lines over it.
    void Repaint() { repaint(); }
    // What the display shows in a cell, told by the handlers that draw there: the types drawn.
    const QStringList& Contenu(int colonne, int ligne) const;
    void setContenu(int colonne, int ligne, const QStringList& types);
    void viderContenus();

signals:
    // A mouse button released over the grid, whichever it was, or Space or Enter pressed on it.
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

private:
    void selectionner(QPoint position);
    void allerA(int colonne, int ligne);
    // Tells assistive technology that the cell (colonne, ligne) changed as quoi says.
    void annoncer(QAccessible::Event quoi, int colonne, int ligne);

    TCanvas canvas_;
    int colonne_ = 0;
    int ligne_ = 0;
    bool encadre_ = false;
    bool clavier_ = false; // the keyboard, not the mouse, was used last
    std::array<QStringList, NB_CELLULES * NB_CELLULES> contenus_; // row by row
};

#endif
