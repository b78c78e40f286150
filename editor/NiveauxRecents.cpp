#include "NiveauxRecents.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <memory>

namespace {

const QString CLE = QStringLiteral("niveauxRecents");

// The user's own file only: no system-wide or organisation-wide file is read.
std::unique_ptr<QSettings> reglages()
{
    const QString nom = QCoreApplication::applicationName();
    auto reglages = std::make_unique<QSettings>(QSettings::UserScope, nom, nom);
    reglages->setFallbacksEnabled(false);
    return reglages;
}

// The file is the user's to edit: only absolute paths count, once each, eight at most.
QStringList lire()
{
    QStringList chemins;
    for (const QString& chemin : reglages()->value(CLE).toStringList()) {
        if (QFileInfo(chemin).isAbsolute() && !chemins.contains(chemin) &&
            chemins.size() < NiveauxRecents::NOMBRE_MAX) {
            chemins << chemin;
        }
    }
    return chemins;
}

} // namespace

NiveauxRecents::NiveauxRecents(QMenu& menu) : QObject(&menu), menu_(menu)
{
    menu.setToolTipsVisible(true);
    for (int i = 0; i < NOMBRE_MAX; ++i) {
        entrees_ << menu.addAction(QString());
        // A copy: opening the level changes the list the path was taken from.
        connect(entrees_.back(), &QAction::triggered, this, [this, i] {
            const QString chemin = chemins_.value(i);
            emit choisi(chemin);
        });
    }
    menu.addSeparator();
    menu.addAction(QStringLiteral("Vider la liste"), this, &NiveauxRecents::vider)
        ->setObjectName(QStringLiteral("Viderlaliste1"));
    if (auto* parent = qobject_cast<QMenu*>(menu.parentWidget())) {
        connect(parent, &QMenu::aboutToShow, this, &NiveauxRecents::afficher);
    }
    afficher();
}

void NiveauxRecents::ajouter(const QString& chemin)
{
    // Absolute: the next run may start in another folder.
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    QStringList chemins = lire();
    chemins.removeAll(absolu);
    chemins.prepend(absolu);
    ecrire(chemins.mid(0, NOMBRE_MAX));
}

void NiveauxRecents::retirer(const QString& chemin)
{
    QStringList chemins = lire();
    chemins.removeAll(QFileInfo(chemin).absoluteFilePath());
    ecrire(chemins);
}

void NiveauxRecents::vider() { ecrire({}); }

void NiveauxRecents::ecrire(const QStringList& chemins)
{
    reglages()->setValue(CLE, chemins);
    afficher();
}

void NiveauxRecents::afficher()
{
    chemins_ = lire();
    for (int i = 0; i < NOMBRE_MAX; ++i) {
        const QFileInfo fichier(chemins_.value(i));
        // Plain text: '&' would mark a shortcut letter, a tab start the shortcut's column, and
        // a tooltip that looks like markup would be read as such; the folder stays on one line.
        entrees_[i]->setText(
            fichier.fileName().replace(u'&', QStringLiteral("&&")).replace(u'\t', u' '));
        entrees_[i]->setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>")
                                    .arg(fichier.path().toHtmlEscaped()));
        entrees_[i]->setVisible(i < chemins_.size());
    }
    menu_.menuAction()->setEnabled(!chemins_.isEmpty());
}
