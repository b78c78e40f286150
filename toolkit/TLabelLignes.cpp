#include "TLabelLignes.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>

namespace {

int plusLongue(const QFont& police, const QStringList& lignes)
{
    const QFontMetrics mesure(police);
    int largeur = 0;
    for (const QString& ligne : lignes) {
        largeur = std::max(largeur, mesure.horizontalAdvance(ligne));
    }
    return largeur;
}

} // namespace

void TLabelLignes::paintEvent(QPaintEvent*)
{
    static const QRegularExpression suiteDEspaces(QStringLiteral(" {2,}"));
    const QStringList lignes = text().split(suiteDEspaces);
    QFont police = font();
    for (int etirement = QFont::Unstretched;
         etirement > QFont::Condensed && plusLongue(police, lignes) > contentsRect().width();
         --etirement) {
        police.setStretch(etirement - 1);
    }
    QPainter peintre(this);
    peintre.setFont(police);
    style()->drawItemText(&peintre, contentsRect(), int(alignment()) | Qt::TextWordWrap, palette(),
                          isEnabled(), lignes.join(QLatin1Char('\n')), foregroundRole());
}
