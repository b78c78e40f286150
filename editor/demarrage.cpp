#include "demarrage.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

void preparerApplication(QApplication& application)
{
    // The title of the editor's boxes. Not a display name: Qt would append that to every
    // window's title.
    application.setApplicationName(QStringLiteral("Ombrelin"));
    application.setWindowIcon(QIcon(QStringLiteral(":/ombrelin.png")));

    // Qt's dialogs, buttons and context menus speak French like the rest of the window.
    auto* traduction = new QTranslator(&application);
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!traduction->load(QStringLiteral("qtbase_fr"), dossier)) {
        qWarning("Traduction française de Qt introuvable (qtbase_fr.qm dans %s) : ses boîtes "
                 "resteront en anglais. Le paquet qt6-translations-l10n la fournit.",
                 qPrintable(dossier));
        return;
    }
    QApplication::installTranslator(traduction);
}
