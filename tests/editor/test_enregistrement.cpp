#include "Fenetre.h"

#include <QAction>
#include <QLineEdit>

namespace {

const QString CONFIRMATION = QStringLiteral("Niveau enregistré avec succés sous : \n");
const QString TARDIF = QStringLiteral("des temps d'apparition son superieur a la durée totale !");

const QByteArray EXEMPLE_SOUS = "Niveau_1\r\n100\r\n2\r\n"
                                "0\t12.00\ttank\t0.00\t0.00\t-100.00\r\n"
                                "1\t50.00\tboss\t-5.00\t5.00\t-100.00\r\n";
const QByteArray EXEMPLE_SIMPLE = "Niveau_1\r\n100\r\n2\r\n"
                                  "0\t12.00\ttank\t0.00\t0.00\t-100\r\n"
                                  "1\t50.00\tboss\t-5.00\t5.00\t-100\r\n";

QByteArray lire(const QString& chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

void ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile fichier(chemin);
    fichier.open(QIODevice::WriteOnly);
    fichier.write(contenu);
}

} // namespace

// Save and Save As: the written bytes, the ".txt" rule, the time warnings and every failure.
class TestEnregistrement : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Fenetre> f;
    TForm1* form = nullptr;

    void enregistrerSous(const QString& chemin)
    {
        f->boites.reponsesDialogue = {chemin};
        form->findChild<QAction*>("Enregistrerleniveausous2")->trigger();
    }

    void ctrlS() { QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier); }

private slots:
    // The example level, built by clicks: a tank at the centre at 12 s, a boss top-left at 50 s.
    void init()
    {
        f = std::make_unique<Fenetre>();
        Fenetre::creerIcone("tank.ico", qRgb(0, 160, 0));
        Fenetre::creerIcone("boss.ico", qRgb(0, 0, 200));
        form = &f->ouvrir();
        f->choisirIcone("tank.ico");
        f->taperTemps("12");
        f->cliquerCellule(5, 5);
        f->choisirIcone("boss.ico");
        f->taperTemps("50");
        f->cliquerCellule(0, 0);
        QCOMPARE(niveau.nbEnnemis, 2);
    }

    void cleanup() { f.reset(); }

    void enregistrerSousPuisCtrlSNeDifferentQueParLaProfondeur()
    {
        const QString chemin = f->chemin("level1");
        QByteArray ecritAvantConfirmation;
        f->boites.pendantMessage = [&](const QString&) {
            ecritAvantConfirmation = lire(chemin + ".txt");
        };
        enregistrerSous(chemin);
        QCOMPARE(f->boites.messages, QStringList{CONFIRMATION + chemin + ".txt"});
        QCOMPARE(ecritAvantConfirmation, EXEMPLE_SOUS);
        QVERIFY(!QFile::exists(chemin));

        ctrlS();
        QCOMPARE(lire(chemin + ".txt"), EXEMPLE_SIMPLE);
        QCOMPARE(f->boites.journal, (QStringList{"dialogue", "message"}));
        QVERIFY(!QFile::exists(f->chemin("ennemi.tmp")));
    }

    void lePremierCtrlSDemandeUnNomEtAnnulerNEcritRien()
    {
        ctrlS();
        ctrlS();
        QCOMPARE(f->boites.journal, (QStringList{"dialogue", "dialogue"}));
        QCOMPARE(QDir(f->chemin("")).entryList({"*.txt"}, QDir::Files), QStringList());
    }

    void laRegleDuTxt()
    {
        QDir().mkdir(f->chemin("d.txt"));
        const struct {
            QString choisi, ecrit;
        } cas[] = {
            {"LEVEL1.TXT", "LEVEL1.TXT.txt"},
            {"notes.txt.bak", "notes.txt.bak"},
            {"d.txt/niveau", "d.txt/niveau"},
            {"deja.txt", "deja.txt"},
        };
        for (const auto& c : cas) {
            enregistrerSous(f->chemin(c.choisi));
            QCOMPARE(lire(f->chemin(c.ecrit)), EXEMPLE_SOUS);
            QCOMPARE(f->boites.messages.last(), CONFIRMATION + f->chemin(c.ecrit));
        }
        QVERIFY(!QFile::exists(f->chemin("LEVEL1.TXT")));
    }

    void chaqueEnnemiEnRetardEstSignaleAvantLeDialogueMemeAnnule()
    {
        niveau.duree = 11; // 12 s and 50 s are both late now
        f->boites.reponsesDialogue = {BoitesScriptees::ANNULER};
        form->findChild<QAction*>("Enregistrerleniveausous2")->trigger();
        QCOMPARE(f->boites.journal, (QStringList{"message", "message", "dialogue"}));
        QCOMPARE(f->boites.messages, (QStringList{TARDIF, TARDIF}));
        QCOMPARE(QDir(f->chemin("")).entryList({"*.txt"}, QDir::Files), QStringList());

        // The time equal to the duration passes; late enemies are still written.
        niveau.duree = 12;
        f->boites.journal.clear();
        enregistrerSous(f->chemin("tard.txt"));
        QCOMPARE(f->boites.journal, (QStringList{"message", "dialogue", "message"}));
        QVERIFY(lire(f->chemin("tard.txt")).startsWith("Niveau_1\r\n12\r\n2\r\n"));
        ctrlS();
        QCOMPARE(f->boites.messages.last(), TARDIF);
    }

    void unChampEnCoursDeSaisieSAppliqueAvantDEnregistrer()
    {
        auto* duree = form->findChild<QLineEdit*>("DureeMission");
        const QString chemin = f->chemin("champ.txt");
        QTest::mouseClick(duree, Qt::LeftButton);
        QTest::keyClick(duree, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(duree, "abc");
        enregistrerSous(chemin);
        QCOMPARE(f->boites.journal, QStringList{"erreur"});
        QVERIFY(!QFile::exists(chemin));

        QTest::keyClick(duree, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(duree, "11"); // 12 s and 50 s are late for a mission of 11 s
        f->boites.reponsesDialogue = {chemin};
        ctrlS();
        QCOMPARE(f->boites.journal,
                 (QStringList{"erreur", "message", "message", "dialogue", "message"}));
        QVERIFY(lire(chemin).startsWith("Niveau_1\r\n11\r\n2\r\n"));
    }

    void unEnregistrementRateLeDitEtNAbimeRien()
    {
        const QString bon = f->chemin("bon.txt");
        enregistrerSous(bon);
        f->boites.messages.clear();

        QDir().mkdir(f->chemin("dossier.txt"));
        enregistrerSous(f->chemin("dossier.txt")); // a directory in the way
        enregistrerSous(f->chemin("absent/niveau.txt"));
        QCOMPARE(f->boites.erreurs.size(), 2);
        QVERIFY(f->boites.erreurs[0].contains(f->chemin("dossier.txt")));
        QVERIFY(f->boites.erreurs[1].contains(f->chemin("absent/niveau.txt")));
        QVERIFY2(f->boites.messages.isEmpty(), "no confirmation for a failed save");

        // The level's path is still the last one written: Ctrl+S goes there, silently.
        ecrire(bon, "autre");
        ctrlS();
        QCOMPARE(lire(bon), EXEMPLE_SIMPLE);
        QCOMPARE(f->boites.filtresDialogues.size(), 3u);

        // Ctrl+S failing says so too, and leaves the file as it was.
        QDir().mkdir(f->chemin("ennemi.tmp"));
        ecrire(bon, "ancien");
        ctrlS();
        QCOMPARE(f->boites.erreurs.size(), 3);
        QVERIFY(f->boites.erreurs[2].contains("ennemi.tmp"));
        QCOMPARE(lire(bon), QByteArray("ancien"));
    }

    void unCheminQuiNeTientPasEn254OctetsEstRefuse()
    {
        const QString dossier = f->chemin("") + u'/';
        const auto cheminDe = [&](int octets) {
            return dossier + QString(octets - dossier.toUtf8().size(), u'n');
        };
        // 250 bytes take the whole ".txt"; 251 would need a cut extension: refused.
        enregistrerSous(cheminDe(250));
        QCOMPARE(lire(cheminDe(250) + ".txt"), EXEMPLE_SOUS);
        enregistrerSous(cheminDe(251));
        QCOMPARE(f->boites.erreurs.size(), 1);
        QVERIFY(f->boites.erreurs[0].contains("254"));
        QCOMPARE(QDir(dossier).entryList(QDir::Files).size(), 3); // two icons and the first level

        ctrlS();
        QCOMPARE(lire(cheminDe(250) + ".txt"), EXEMPLE_SIMPLE);
    }
};

QTEST_MAIN(TestEnregistrement)
#include "test_enregistrement.moc"
