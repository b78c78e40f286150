#ifndef OMBRELIN_BOITESSCRIPTEES_H
#define OMBRELIN_BOITESSCRIPTEES_H

#include "Boites.h"
#include "TFileDialog.h"

#include <QDialog>
#include <QMessageBox>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the editor's modal boxes from a script and records what they showed, so tests never
// run a real modal loop. Message boxes are the real ones, up to their modal loop.
class BoitesScriptees : public BoitesQt {
public:
    struct Saisie {
        QString titre, invite, defaut;
    };

    // Answers, taken in order. ANNULER, or no answer left, is a cancel.
    inline static const QString ANNULER;  // null, unlike the empty text ""
    std::deque<QString> reponsesSaisie;   // InputBox
    std::deque<QString> reponsesDialogue; // file dialogs

    QStringList messages;
    QStringList erreurs;
    // Every box and dialog in the order shown: "message", "erreur", "saisie", "dialogue".
    QStringList journal;
    // Runs while a message is shown, to see what had happened by then.
    std::function<void(const QString&)> pendantMessage;
    std::vector<Saisie> saisies;
    std::vector<QString> filtresDialogues;
    std::vector<QDialog*> fenetresModales;

    QString InputBox(const QString& titre, const QString& invite, const QString& defaut) override
    {
        saisies.push_back({titre, invite, defaut});
        journal << QStringLiteral("saisie");
        const QString reponse = prendre(reponsesSaisie);
        return reponse.isNull() ? defaut : reponse;
    }

    std::optional<QString> Execute(const TFileDialog& dialogue) override
    {
        filtresDialogues.push_back(dialogue.filtreQt());
        journal << QStringLiteral("dialogue");
        const QString reponse = prendre(reponsesDialogue);
        if (reponse.isNull()) {
            return std::nullopt;
        }
        return reponse;
    }

    void ShowModal(QDialog& fenetre) override
    {
        fenetresModales.push_back(&fenetre);
        fenetre.setModal(true);
        fenetre.show(); // the test closes it as a user would
    }

protected:
    void lancer(QMessageBox& boite) override
    {
        if (boite.textFormat() != Qt::PlainText) {
            qFatal("a box would read names as markup: %s", qPrintable(boite.text()));
        }
        const bool erreur = boite.icon() == QMessageBox::Critical;
        (erreur ? erreurs : messages) << boite.text();
        journal << (erreur ? QStringLiteral("erreur") : QStringLiteral("message"));
        if (pendantMessage && !erreur) {
            pendantMessage(boite.text());
        }
    }

private:
    static QString prendre(std::deque<QString>& reponses)
    {
        if (reponses.empty()) {
            return ANNULER;
        }
        QString reponse = reponses.front();
        reponses.pop_front();
        return reponse;
    }
};

#endif
