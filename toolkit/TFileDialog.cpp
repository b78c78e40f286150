#include "TFileDialog.h"

#include "Boites.h"

#include <QStringList>

TFileDialog::TFileDialog(Boites& boites, Sorte sorte, QString filtre)
    : boites_(boites), sorte_(sorte), filtre_(std::move(filtre))
{
}

bool TFileDialog::Execute()
{
    const std::optional<QString> chemin = boites_.Execute(*this);
    if (chemin) {
        FileName = *chemin;
    }
    return chemin.has_value();
}

QString TFileDialog::filtreQt() const
{
    const QStringList parties = filtre_.split(u'|');
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < parties.size(); i += 2) {
        const QString motif = QStringLiteral("(%1)").arg(parties[i + 1]);
        filtres << (parties[i].contains(motif) ? parties[i] : parties[i] + u' ' + motif);
    }
    return filtres.join(QStringLiteral(";;"));
}
