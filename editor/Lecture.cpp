#include "Lecture.h"

#include <algorithm>

Lecture::Lecture(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("Lecture"));
    // A coarse timer may wake up to 5 % of its interval late: 50 ms a second.
    minuterie_.setTimerType(Qt::PreciseTimer);
    minuterie_.setSingleShot(true);
    connect(&minuterie_, &QTimer::timeout, this, &Lecture::tic);
    monotone_.start();
    horloge_ = [this] { return monotone_.elapsed(); };
}

void Lecture::setVitesse(int vitesse)
{
    const qint64 maintenant = horloge_();
    baseMs_ = niveauMs(maintenant);
    debut_ = maintenant;
    vitesse_ = vitesse;
    if (enCours_) {
        tic(); // the next wake-up at the new pace
    }
}

void Lecture::lancer(int depuis, int jusqua)
{
    if (jusqua <= depuis) {
        return;
    }
    debut_ = horloge_();
    baseMs_ = qint64(depuis) * 1000;
    seconde_ = depuis;
    jusqua_ = jusqua;
    enCours_ = true;
    emit Seconde(depuis);
    tic();
}

void Lecture::arreter()
{
    if (enCours_) {
        enCours_ = false;
        minuterie_.stop();
        emit Arret();
    }
}

void Lecture::tic()
{
    if (!enCours_) {
        return; // a call after the end
    }
    const qint64 maintenant = horloge_();
    const int seconde = int(std::min<qint64>(jusqua_, niveauMs(maintenant) / 1000));
    if (seconde != seconde_) {
        seconde_ = seconde;
        emit Seconde(seconde);
    }
    if (!enCours_) {
        return; // stopped by what showed the second
    }
    if (seconde_ >= jusqua_) {
        arreter();
        return;
    }
    // The first millisecond of the next second, rounded up: never woken before it.
    const qint64 prochaine = debut_ + ((seconde_ + 1) * 1000LL - baseMs_ + vitesse_ - 1) / vitesse_;
    minuterie_.start(int(std::max<qint64>(0, prochaine - maintenant)));
}
