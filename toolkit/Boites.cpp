#include "Boites.h"

#include "TFileDialog.h"
#include "erreurs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <exception>

void Boites::executer(const std::function<void()>& gestionnaire)
{
    try {
        gestionnaire();
    } catch (const Exception& erreur) {
        afficherErreur(erreur.Message());
    } catch (const std::exception& erreur) {
        afficherErreur(
            QStringLiteral("Erreur inattendue : %1").arg(QString::fromLocal8Bit(erreur.what())));
    }
}

void BoitesQt::ShowMessage(const QString& texte) { afficher(QMessageBox::Information, texte); }

QMessageBox::StandardButton BoitesQt::Question(const QString& texte)
{
    return static_cast<QMessageBox::StandardButton>(
        afficher(QMessageBox::Question, texte,
                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel));
}

int BoitesQt::Choix(const QString& texte, const QStringList& boutons, int parDefaut)
{
    const std::unique_ptr<QMessageBox> boite = message(QMessageBox::Question, texte);
    QList<QAbstractButton*> choix;
    for (const QString& bouton : boutons) {
        choix << boite->addButton(bouton, QMessageBox::AcceptRole); // one role: kept in order
    }
    boite->setDefaultButton(static_cast<QPushButton*>(choix[parDefaut]));
    boite->setEscapeButton(choix.last());
    lancer(*boite);
    return static_cast<int>(choix.indexOf(boite->clickedButton()));
}

QString BoitesQt::InputBox(const QString& titre, const QString& invite, const QString& defaut)
{
    QInputDialog boite(QApplication::activeWindow());
    boite.setWindowTitle(titre);
    boite.setLabelText(invite);
    boite.setTextValue(defaut);
    return lancer(boite) == QDialog::Accepted ? boite.textValue() : defaut;
}

std::optional<QString> BoitesQt::Execute(const TFileDialog& dialogue)
{
    QWidget* parent = QApplication::activeWindow();
    const QString chemin = dialogue.sorte() == TFileDialog::Sorte::Enregistrer
                               ? QFileDialog::getSaveFileName(parent, QString(), dialogue.FileName,
                                                              dialogue.filtreQt())
                               : QFileDialog::getOpenFileName(parent, QString(), dialogue.FileName,
                                                              dialogue.filtreQt());
    if (chemin.isEmpty()) {
        return std::nullopt;
    }
    return chemin;
}

void BoitesQt::ShowModal(QDialog& fenetre) { fenetre.exec(); }

void BoitesQt::afficherErreur(const QString& texte) { afficher(QMessageBox::Critical, texte); }

std::unique_ptr<QMessageBox> BoitesQt::message(QMessageBox::Icon icone, const QString& texte,
                                               QMessageBox::StandardButtons boutons)
{
    auto boite = std::make_unique<QMessageBox>(icone, QApplication::applicationDisplayName(), texte,
                                               boutons, QApplication::activeWindow());
    boite->setTextFormat(Qt::PlainText);
    return boite;
}

int BoitesQt::afficher(QMessageBox::Icon icone, const QString& texte,
                       QMessageBox::StandardButtons boutons)
{
    return lancer(*message(icone, texte, boutons));
}

int BoitesQt::lancer(QDialog& boite) { return boite.exec(); }
