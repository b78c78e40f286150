#ifndef OMBRELIN_FRISETEMPS_H
#define OMBRELIN_FRISETEMPS_H

#include <QWidget>

#include <vector>

class DocumentNiveau;

// The wave in time: one bar per second from 0 to the mission duration, as high as the enemies
// that come in during that second, a line at the duration, the late seconds after it in a colour
// of their own, and T marked. A click, the arrow keys, Home and End choose a second.
class FriseTemps : public QWidget {
    Q_OBJECT

public:
    explicit FriseTemps(DocumentNiveau& document, QWidget* parent = nullptr);

    // The second T shows.
    void setTemps(int seconde);
    // Where the bar of the second stands, the strip's whole height.
    QRectF barre(int seconde) const;
    // "12 s : 3 ennemis — tank × 2, absent": the types in the order they first come in.
    QString bulle(int seconde) const;
    QSize sizeHint() const override { return {320, 64}; }

signals:
    // A click on the bar of the second.
    void Clic(int seconde);
    // The second chosen for T, by a click or a key; the window's rules bound it.
    void TempsChoisi(int seconde);

protected:
    bool event(QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void compter();
    int duree() const;
    int secondeEn(qreal x) const;

    DocumentNiveau& document_;
    std::vector<int> nombres_; // enemies per second, from 0 to the last second on the strip
    int temps_ = 0;
};

#endif
