#include "Fenetre.h"

namespace {

const QString CONFIRMATION = "message: Niveau enregistré avec succés sous : \n";
const QString TARDIF = "message: des temps d'apparition son superieur a la durée totale !";
const QString DIALOGUE = "dialogue: fichier map (*.txt)";

QByteArray exemple(const char* profondeur)
{
    return QByteArray("Niveau_1\r\n100\r\n2\r\n0\t12.00\ttank\t0.00\t0.00\t") + profondeur +
           "\r\n1\t50.00\tboss\t-5.00\t5.00\t" + profondeur + "\r\n";
}

} // namespace

// Save and Save As: the written bytes, the ".txt" rule, the time warnings and every failure.
class TestEnregistrement : public QObject {
    Q_OBJECT

    std::unique_ptr<Fenetre> f;

    void enregistrerSous(const QString& chemin) const
    {
        f->boites.reponses = {chemin};
        f->declencher("Enregistrerleniveausous2");
    }

    void ctrlS() const { QTest::keyClick(f->form.get(), Qt::Key_S, Qt::ControlModifier); }

private slots:
    // The README's example level, built by clicks: a tank at the centre at 12 s, a boss in the
    // top-left corner at 50 s.
    void init()
    {
        f = std::make_unique<Fenetre>();
        f->choisirIcone("tank.ico");
        f->taper("tempsT", "12");
        f->cliquerCellule(5, 5);
        f->choisirIcone("boss.ico");
        f->taper("tempsT", "50");
        f->cliquerCellule(0, 0);
    }

    void cleanup() { f.reset(); }

    void enregistrerSousPuisCtrlSNeDifferentQueParLaProfondeur()
    {
        ctrlS(); // the first Ctrl+S asks for a file; cancelled, it writes nothing
        const QString chemin = f->chemin("level1");
        enregistrerSous(chemin);
        QCOMPARE(Fenetre::lire(chemin + ".txt"), exemple("-100.00"));
        ctrlS();
        QCOMPARE(f->boites.journal,
                 (QStringList{DIALOGUE, DIALOGUE, CONFIRMATION + chemin + ".txt"}));
        QCOMPARE(Fenetre::lire(chemin + ".txt"), exemple("-100"));
        QCOMPARE(QDir().entryList(QDir::Files),
                 (QStringList{"boss.ico", "level1.txt", "tank.ico"}));
    }

    void laRegleDuTxtEtLesCheminsRefuses()
    {
        QDir().mkdir("d.txt");
        QDir().mkdir("dossier.txt");
        const QString dossier = f->chemin("") + '/';
        const QString n250 = QString(250 - dossier.toUtf8().size(), 'n');
        const struct {
            QString choisi, ecrit; // "": nothing written, an error box
        } cas[] = {{"LEVEL1.TXT", "LEVEL1.TXT.txt"},
                   {"notes.txt.bak", "notes.txt.bak"},
                   {"d.txt/niveau", "d.txt/niveau"},
                   {n250, n250 + ".txt"},
                   {n250 + "n", ""},
                   {"dossier.txt", ""},
                   {"absent/niveau.txt", ""},
                   {"ligne\n.txt", ""}};
        for (const auto& c : cas) {
            f->boites.journal.clear();
            enregistrerSous(dossier + c.choisi);
            const QString attendu =
                c.ecrit.isEmpty() ? "erreur: " : CONFIRMATION + dossier + c.ecrit;
            QVERIFY2(f->boites.journal.last().startsWith(attendu),
                     qPrintable(f->boites.journal.last()));
            QVERIFY(c.ecrit.isEmpty() || Fenetre::lire(c.ecrit) == exemple("-100.00"));
            QVERIFY(f->boites.journal.last().contains(dossier + c.choisi));
        }
        QCOMPARE(QDir().entryList(QDir::Files).size(), 5);
        ctrlS(); // the level's path is still the last one written
        QCOMPARE(Fenetre::lire(n250 + ".txt"), exemple("-100"));
        QDir().mkdir("ennemi.tmp");
        ctrlS();
        QVERIFY(
            f->boites.journal.last().startsWith("erreur: Le fichier temporaire « ennemi.tmp »"));
        QCOMPARE(Fenetre::lire(n250 + ".txt"), exemple("-100"));
    }

    void chaqueEnnemiEnRetardEstSignaleAvantLeDialogue()
    {
        niveau.duree = 49;            // the boss at 50 s is late; the tank at 12 s is not
        niveau.ennemis[0].temps = 49; // equal to the duration: in time
        enregistrerSous(BoitesScriptees::ANNULER);
        QCOMPARE(f->boites.journal, (QStringList{TARDIF, DIALOGUE}));
        enregistrerSous(f->chemin("tard.txt"));
        ctrlS();
        QCOMPARE(f->boites.journal.mid(2),
                 (QStringList{TARDIF, DIALOGUE, CONFIRMATION + f->chemin("tard.txt"), TARDIF}));
        QVERIFY(Fenetre::lire("tard.txt").startsWith("Niveau_1\r\n49\r\n2\r\n"));
    }

    void unChampEnCoursDeSaisieSAppliqueAvantDEnregistrer()
    {
        f->taper("DureeMission", "abc");
        enregistrerSous(f->chemin("champ.txt"));
        QCOMPARE(f->boites.journal,
                 QStringList{"erreur: 'abc' n'est pas une valeur entière correcte."});
        f->taper("DureeMission", "11"); // 12 s and 50 s are late for a mission of 11 s
        f->boites.reponses = {f->chemin("champ.txt")};
        ctrlS();
        QCOMPARE(f->boites.journal.mid(1),
                 (QStringList{TARDIF, TARDIF, DIALOGUE, CONFIRMATION + f->chemin("champ.txt")}));
        QVERIFY(Fenetre::lire("champ.txt").startsWith("Niveau_1\r\n11\r\n2\r\n"));
        f->taper("tempsT", "-1"); // T too: back to its value on entry, the new bound 11
        ctrlS();
        QCOMPARE(f->widget<TCSpinEdit>("tempsT")->text(), "11");
    }
};

QTEST_MAIN(TestEnregistrement)
#include "test_enregistrement.moc"
