#include "demarrage.h"

#include "lecture_niveau.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstring>

void preparerApplication(QCoreApplication& application)
{
    // The title of the editor's boxes. Not a display name: Qt would append that to every
    // window's title.
    QCoreApplication::setApplicationName(QStringLiteral("Ombrelin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OMBRELIN_VERSION));

    auto* traduction = new QTranslator(&application);
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!traduction->load(QStringLiteral("qtbase_fr"), dossier)) {
        qWarning("Traduction française de Qt introuvable (qtbase_fr.qm dans %s) : ses boîtes "
                 "resteront en anglais. Le paquet qt6-translations-l10n la fournit.",
                 qPrintable(dossier));
        return;
    }
    QCoreApplication::installTranslator(traduction);
}

bool fenetreDemandee(int argc, char* argv[])
{
    // After "--" every argument is a file, even one that starts with a dash.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (argv[i][0] == '-' && argv[i][1] != '\0') {
            return false;
        }
    }
    return true;
}

std::optional<LigneDeCommande> lireLigneDeCommande(const QCoreApplication& application)
{
    QCommandLineParser parseur;
    parseur.setApplicationDescription(QStringLiteral("Éditeur de niveaux de Quorvane."));
    // Qt's own help and version options are described in English only.
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version."));
    parseur.addOptions({aide, version});
    const QCommandLineOption verifier(
        QStringLiteral("verifier"),
        QStringLiteral("Vérifie chaque FICHIER de niveau sans ouvrir de fenêtre : une ligne par "
                       "fichier, code de sortie 0 si tous sont corrects, 1 sinon."));
    parseur.addOption(verifier);
    parseur.addPositionalArgument(
        QStringLiteral("FICHIER"),
        QStringLiteral("Le niveau à ouvrir ; avec --verifier, les niveaux à vérifier."),
        QStringLiteral("[FICHIER...]"));
    QString erreur;
    LigneDeCommande ligne;
    if (parseur.parse(application.arguments())) {
        if (parseur.isSet(aide)) {
            parseur.showHelp(0);
        }
        if (parseur.isSet(version)) {
            parseur.showVersion();
        }
        ligne = {parseur.isSet(verifier), parseur.positionalArguments()};
        if (ligne.verifier && ligne.fichiers.isEmpty()) {
            erreur = QStringLiteral("--verifier attend au moins un fichier.");
        } else if (!ligne.verifier && ligne.fichiers.size() > 1) {
            erreur = QStringLiteral("un seul niveau s'ouvre à la fois.");
        }
    } else {
        erreur = parseur.errorText();
    }
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "%s : %s\nVoir « %s --help ».\n",
                     qPrintable(application.arguments()[0]), qPrintable(erreur),
                     qPrintable(application.arguments()[0]));
        return std::nullopt;
    }
    return ligne;
}

int verifierNiveaux(const QStringList& fichiers)
{
    bool tousCorrects = true;
    for (const QString& fichier : fichiers) {
        const std::variant<s_niveau, Refus> lu =
            lireNiveau(QFile::encodeName(fichier).toStdString());
        QString verdict;
        if (const s_niveau* niveau = std::get_if<s_niveau>(&lu)) {
            verdict = QStringLiteral("niveau correct, %1 ennemi%2")
                          .arg(niveau->nbEnnemis)
                          .arg(niveau->nbEnnemis > 1 ? "s" : "");
        } else {
            tousCorrects = false;
            verdict = QString::fromStdString(std::get<Refus>(lu).texte());
        }
        std::printf("%s : %s\n", qPrintable(fichier), qPrintable(verdict));
    }
    return tousCorrects ? 0 : 1;
}
