#include "reprise.h"

#include "Boites.h"
#include "CopieSecours.h"
#include "conversions.h"
#include "dossier_prive.h"
#include "lecture_niveau.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QLockFile>

namespace {

// "le 8 décembre 2026 à 17:42", in French whatever the user's locale.
QString dateDeChangement(std::int64_t nanosecondes)
{
    const QDateTime quand = QDateTime::fromMSecsSinceEpoch(nanosecondes / 1000000);
    const QLocale francais(QLocale::French);
    const int jour = quand.date().day();
    return QStringLiteral("le %1 %2 à %3")
        .arg(jour == 1 ? QStringLiteral("1er") : QString::number(jour),
             francais.toString(quand.date(), QStringLiteral("MMMM yyyy")),
             francais.toString(quand.time(), QStringLiteral("HH:mm")));
}

} // namespace

bool proposerCopies(Boites& boites, const Reprise& reprendre)
{
    const QString dossier = dossierSecours();
    const std::string dossierNatif = secours::natif(dossier);
    for (const FichierPrive& fichier :
         fichiersPrives(dossierNatif, secours::natif(secours::NIVEAU))) {
        const QString id = QFile::decodeName(fichier.nom.c_str()).chopped(secours::NIVEAU.size());
        // Qt reads a lock file to tell whether its editor runs: a FIFO there would hang it.
        if (!absentOuOrdinaire(dossierNatif, secours::natif(id + secours::VERROU))) {
            continue;
        }
        QLockFile verrou(dossier + '/' + id + secours::VERROU);
        verrou.setStaleLockTime(0); // only an editor that stopped leaves its lock
        if (!verrou.tryLock(0)) {
            continue; // its editor runs
        }
        const std::optional<std::string> chemin = lirePrive(
            dossierNatif, secours::natif(id + secours::CHEMIN), secours::TAILLE_MAX_CHEMIN);
        const QString fichierNiveau =
            chemin ? QFile::decodeName(QByteArray::fromStdString(*chemin)) : QString();
        const QString duFichier = fichierNiveau.isEmpty()
                                      ? QString()
                                      : QStringLiteral(" du fichier « %1 »").arg(fichierNiveau);
        const QString quand = dateDeChangement(fichier.modifie);
        const std::variant<s_niveau, Refus> lu = lireNiveau(dossierNatif + '/' + fichier.nom);
        if (const Refus* refus = std::get_if<Refus>(&lu)) {
            const int choix = boites.Choix(
                QStringLiteral("La copie de secours d'un niveau non enregistré%1, modifiée %2, est "
                               "endommagée :\n%3\nLa supprimer ?")
                    .arg(duFichier, quand, QString::fromStdString(refus->texte())),
                {QStringLiteral("&Supprimer"), QStringLiteral("&Plus tard")}, 1);
            if (choix == 0) {
                supprimerCopie(dossier, id);
            }
            continue;
        }
        const s_niveau& copie = std::get<s_niveau>(lu);
        const int choix = boites.Choix(
            QStringLiteral("Le niveau « %1 » (%2 ennemi%3)%4, modifié %5, n'a pas été enregistré "
                           "avant l'arrêt de l'éditeur. Le reprendre ?")
                .arg(depuisAnsi(copie.nom), QString::number(copie.nbEnnemis),
                     copie.nbEnnemis > 1 ? QStringLiteral("s") : QString(), duFichier, quand),
            {QStringLiteral("&Reprendre"), QStringLiteral("&Supprimer"),
             QStringLiteral("&Plus tard")},
            0);
        switch (choix) {
        case 0:
            reprendre(copie, fichierNiveau);
            supprimerCopie(dossier, id);
            return true; // one level at a time: the others wait for the next start
        case 1:
            supprimerCopie(dossier, id);
            break;
        default:
            break;
        }
    }
    return false;
}
