#include "CopieSecours.h"

#include "Boites.h"
#include "dossier_prive.h"
#include "fichier_niveau.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {

// The disk gets a copy at most this long after the change that made it.
constexpr int DELAI_SYNCHRONISATION_MS = 1000;

} // namespace

using secours::natif;

QString dossierSecours()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recuperation");
}

void supprimerCopie(const QString& dossier, const QString& id)
{
    // The level first: without it, what is left is offered to nobody.
    supprimerPrive(natif(dossier), natif(id + secours::NIVEAU));
    supprimerPrive(natif(dossier), natif(id + secours::CHEMIN));
}

CopieSecours::CopieSecours(Boites& boites)
    : boites_(boites), dossier_(dossierSecours()),
      id_(QString::number(QRandomGenerator::system()->generate64(), 16)),
      verrou_(dossier_ + '/' + id_ + secours::VERROU)
{
    synchronisation_.setSingleShot(true);
    synchronisation_.setInterval(DELAI_SYNCHRONISATION_MS);
    QObject::connect(&synchronisation_, &QTimer::timeout, [this] {
        synchroniserPrive(natif(dossier_),
                          {natif(id_ + secours::NIVEAU), natif(id_ + secours::CHEMIN)});
    });
}

void CopieSecours::ecrire(const s_niveau& niveau, const QString& chemin)
{
    const std::string dossier = natif(dossier_);
    // Locked first: a copy without its lock would be offered to an editor started meanwhile.
    bool ecrite = verrou_.isLocked() || (preparerDossierPrive(dossier) && verrou_.tryLock(0));
    if (ecrite && cheminEcrit_ != chemin) {
        // Absolute: the next editor may start in another folder. A copy's path only changes
        // from none, the level being as written whenever its path changes.
        ecrite = chemin.isEmpty() || ecrirePrive(dossier, natif(id_ + secours::CHEMIN),
                                                 natif(QFileInfo(chemin).absoluteFilePath()));
        if (ecrite) {
            cheminEcrit_ = chemin;
        }
    }
    ecrite = ecrite && ecrirePrive(dossier, natif(id_ + secours::NIVEAU),
                                   texteNiveau(niveau, FormeProfondeur::Entiere));
    if (ecrite && !synchronisation_.isActive()) {
        synchronisation_.start();
    }
    if (!ecrite && !echecDit_) {
        echecDit_ = true;
        boites_.ShowMessage(
            QStringLiteral("La copie de secours du niveau ne peut pas être écrite dans :\n%1\nSi "
                           "l'éditeur s'arrêtait brusquement, les modifications non enregistrées "
                           "seraient perdues. Ce message ne sera pas répété d'ici le prochain "
                           "démarrage.")
                .arg(dossier_));
    }
}

void CopieSecours::supprimer()
{
    if (cheminEcrit_) {
        supprimerCopie(dossier_, id_);
        cheminEcrit_.reset();
    }
}
