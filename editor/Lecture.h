#ifndef OMBRELIN_LECTURE_H
#define OMBRELIN_LECTURE_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// The wave played at the game's pace: from one second to another, one second of level per second
// of clock times the speed. One timer wakes it at each second reached and no more often; each
// wake-up reads the clock, so a late one neither skips a second's display nor delays the next.
class Lecture : public QObject {
    Q_OBJECT

public:
    // Milliseconds from any origin, never going back.
    using Horloge = std::function<qint64()>;

    explicit Lecture(QObject* parent = nullptr);

    // The clock read at each wake-up: by default the monotonic clock.
    void setHorloge(Horloge horloge) { horloge_ = std::move(horloge); }
    // 1, 2 or 4 seconds of level per second; a playback under way goes on from where it is.
    void setVitesse(int vitesse);
    bool enCours() const { return enCours_; }

    // Plays from depuis, shown at once, to jusqua, where it stops; nothing when jusqua is not
    // after depuis.
    void lancer(int depuis, int jusqua);
    void arreter();
    // What the timer does when it wakes: shows the second the clock has reached, then sleeps
    // until the next one.
    void tic();

signals:
    // The second to show now.
    void Seconde(int seconde);
    // The playback stopped, whatever stopped it.
    void Arret();

private:
    qint64 niveauMs(qint64 maintenant) const { return baseMs_ + (maintenant - debut_) * vitesse_; }

    QTimer minuterie_;
    QElapsedTimer monotone_;
    Horloge horloge_;
    bool enCours_ = false;
    int vitesse_ = 1;
    qint64 debut_ = 0;  // the clock when baseMs_ was the level's time
    qint64 baseMs_ = 0; // the level's time, in milliseconds
    int seconde_ = 0;   // the second shown
    int jusqua_ = 0;
};

#endif
