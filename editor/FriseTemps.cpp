#include "FriseTemps.h"

#include "DocumentNiveau.h"
#include "conversions.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// A time from a file may be any size: the strip ends at this second, whose bar takes the later
// ones too.
constexpr int SECONDE_MAX = 9999;
constexpr int MARGE = 4;
const QColor TARDIF(230, 120, 0);
const QColor LIGNE_DUREE(200, 0, 0);

// The second an enemy comes in, in whole seconds as the grid shows it.
int secondeDe(float temps)
{
    return static_cast<int>(std::min(std::floor(temps), float(SECONDE_MAX)));
}

} // namespace

FriseTemps::FriseTemps(DocumentNiveau& document, QWidget* parent)
    : QWidget(parent), document_(document)
{
    setObjectName(QStringLiteral("frise"));
    setAccessibleName(QStringLiteral("Frise des temps"));
    setAccessibleDescription(QStringLiteral(
        "Gauche, Droite : une seconde de plus ou de moins. Origine, Fin : 0 et la durée."));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(sizeHint().height());
    connect(&document_, &DocumentNiveau::Change, this, &FriseTemps::compter);
    compter();
}

void FriseTemps::setTemps(int seconde)
{
    temps_ = seconde;
    update();
}

int FriseTemps::duree() const { return std::max(0, document_.niveau().duree); }

void FriseTemps::compter()
{
    const s_niveau& niveau = document_.niveau();
    int derniere = duree();
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        derniere = std::max(derniere, secondeDe(niveau.ennemis[i].temps));
    }
    nombres_.assign(static_cast<std::size_t>(derniere) + 1, 0);
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        ++nombres_[static_cast<std::size_t>(secondeDe(niveau.ennemis[i].temps))];
    }
    update();
}

QRectF FriseTemps::barre(int seconde) const
{
    const QRectF zone = QRectF(rect()).adjusted(MARGE, MARGE, -MARGE, -MARGE);
    const qreal pas = zone.width() / qreal(nombres_.size());
    return {zone.left() + seconde * pas, zone.top(), pas, zone.height()};
}

int FriseTemps::secondeEn(qreal x) const
{
    const QRectF premiere = barre(0);
    const int seconde = static_cast<int>(std::floor((x - premiere.left()) / premiere.width()));
    return std::clamp(seconde, 0, static_cast<int>(nombres_.size()) - 1);
}

QString FriseTemps::bulle(int seconde) const
{
    QStringList types;
    QList<int> nombres;
    const s_niveau& niveau = document_.niveau();
    for (int i = 0; i < niveau.nbEnnemis; ++i) {
        if (secondeDe(niveau.ennemis[i].temps) == seconde) {
            const QString type = depuisAnsi(niveau.ennemis[i].type);
            if (!types.contains(type)) {
                types << type;
                nombres << 0;
            }
            ++nombres[types.indexOf(type)];
        }
    }
    int total = 0;
    for (int i = 0; i < types.size(); ++i) {
        total += nombres[i];
        types[i] += nombres[i] > 1 ? QStringLiteral(" × %1").arg(nombres[i]) : QString();
    }
    const QString debut = QStringLiteral("%1 s : ").arg(seconde);
    return total == 0
               ? debut + QStringLiteral("aucun ennemi")
               : debut + QStringLiteral("%1 ennemi%2 — ").arg(total).arg(total > 1 ? "s" : "") +
                     types.join(QStringLiteral(", "));
}

bool FriseTemps::event(QEvent* evenement)
{
    if (evenement->type() != QEvent::ToolTip) {
        return QWidget::event(evenement);
    }
    // Types are the user's text: shown as typed, never as markup.
    const auto* aide = static_cast<QHelpEvent*>(evenement);
    QToolTip::showText(aide->globalPos(),
                       QStringLiteral("<p style='white-space:pre'>%1</p>")
                           .arg(bulle(secondeEn(aide->pos().x())).toHtmlEscaped()),
                       this);
    return true;
}

void FriseTemps::paintEvent(QPaintEvent* /*evenement*/)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), palette().base());
    const int plus = std::max(1, *std::max_element(nombres_.begin(), nombres_.end()));
    for (std::size_t seconde = 0; seconde < nombres_.size(); ++seconde) {
        if (nombres_[seconde] > 0) {
            QRectF colonne = barre(static_cast<int>(seconde));
            colonne.setTop(colonne.bottom() - colonne.height() * nombres_[seconde] / plus);
            // A pixel between wide bars, so that busy seconds side by side stay apart.
            colonne.setWidth(colonne.width() >= 3 ? colonne.width() - 1
                                                  : std::max<qreal>(colonne.width(), 1));
            peintre.fillRect(colonne, static_cast<int>(seconde) > duree()
                                          ? TARDIF
                                          : palette().color(QPalette::Highlight));
        }
    }
    const QRectF fin = barre(duree());
    peintre.setPen(QPen(LIGNE_DUREE, 1));
    peintre.drawLine(QLineF(fin.topRight(), fin.bottomRight()));
    // T: a line through its bar and a notch above it.
    const QRectF t = barre(temps_);
    const qreal centre = t.center().x();
    peintre.setPen(QPen(palette().color(QPalette::Text), 1));
    peintre.drawLine(QLineF(centre, t.top(), centre, t.bottom()));
    peintre.setBrush(palette().color(QPalette::Text));
    peintre.drawPolygon(QPolygonF(
        {QPointF(centre - MARGE, 0), QPointF(centre + MARGE, 0), QPointF(centre, MARGE)}));
    if (hasFocus()) {
        peintre.setBrush(Qt::NoBrush);
        peintre.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        peintre.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void FriseTemps::mousePressEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton) {
        const int seconde = secondeEn(evenement->position().x());
        emit Clic(seconde);
        emit TempsChoisi(seconde);
    }
}

void FriseTemps::keyPressEvent(QKeyEvent* evenement)
{
    switch (evenement->key()) {
    case Qt::Key_Left:
        emit TempsChoisi(std::max(0, temps_ - 1));
        break;
    case Qt::Key_Right:
        emit TempsChoisi(temps_ + 1); // the window bounds it
        break;
    case Qt::Key_Home:
        emit TempsChoisi(0);
        break;
    case Qt::Key_End:
        emit TempsChoisi(duree());
        break;
    default:
        QWidget::keyPressEvent(evenement);
    }
}
