#include "Fenetre.h"

namespace {

const QString CONFIRMATION = "message: Niveau enregistré avec succés sous : \n";
const QString TARDIF = "message: des temps d'apparition son superieur a la durée totale !";
const QString DIALOGUE = "dialogue: fichier map (*.txt)";

} // namespace

// Save and Save As: which file, which depth form, the field being edited and late times. The
// bytes of a level are the level library's tests' and the end-to-end test's.
class TestEnregistrement : public Fenetre {
    Q_OBJECT

    // A tank in the top-left cell at 50 s.
    void placerUnTank() const
    {
        choisirIcone("tank.ico");
        taper("tempsT", "50");
        cliquerCellule(0, 0);
    }

    void enregistrerSous(const QString& chemin)
    {
        boites.reponses = {chemin};
        declencher("Enregistrerleniveausous2");
    }

    void ctrlS() const { QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier); }

private slots:
    // Save As writes decimal depths and adds ".txt" unless the path holds it anywhere; Ctrl+S
    // then rewrites the last file written, with whole depths.
    void enregistrerSousPuisCtrlSNeDifferentQueParLaProfondeur()
    {
        placerUnTank();
        ctrlS(); // no file yet: Save As, and cancelled, nothing written
        QCOMPARE(boites.journal, QStringList{DIALOGUE});
        QDir().mkdir("d.txt");
        const QString dossier = chemin("") + '/';
        const QString n250 = QString(250 - dossier.toUtf8().size(), 'n'); // 254 bytes with .txt
        const std::pair<QString, QString> cas[] = {{"LEVEL1.TXT", "LEVEL1.TXT.txt"},
                                                   {"notes.txt.bak", "notes.txt.bak"},
                                                   {"d.txt/niveau", "d.txt/niveau"},
                                                   {n250, n250 + ".txt"}};
        for (const auto& [choisi, ecrit] : cas) {
            enregistrerSous(dossier + choisi);
            QCOMPARE(boites.journal.last(), CONFIRMATION + dossier + ecrit);
            QVERIFY(lire(ecrit).endsWith("\t-100.00\r\n"));
        }
        enregistrerSous(dossier + "absent/niveau"); // refused: the last file written stays
        QVERIFY(boites.journal.last().startsWith("erreur: "));
        ctrlS();
        QVERIFY(lire(n250 + ".txt").endsWith("\t-100\r\n"));
    }

    // A save given while a field is being edited saves what the field shows, and checks the
    // time against it, before the dialog.
    void unChampEnCoursDeSaisieSAppliqueAvantDEnregistrer()
    {
        placerUnTank();
        taper("DureeMission", "abc");
        enregistrerSous(chemin("champ.txt"));
        QCOMPARE(boites.journal,
                 QStringList{"erreur: 'abc' n'est pas une valeur entière correcte."});
        taper("DureeMission", "11"); // 50 s is late for a mission of 11 s
        boites.reponses = {chemin("champ.txt")};
        ctrlS();
        QCOMPARE(boites.journal.mid(1),
                 (QStringList{TARDIF, DIALOGUE, CONFIRMATION + chemin("champ.txt")}));
        QVERIFY(lire("champ.txt").startsWith("Niveau_1\r\n11\r\n1\r\n"));
        taper("tempsT", "-1"); // T too: back to its value on entry, the new bound 11
        ctrlS();
        QCOMPARE(widget<TCSpinEdit>("tempsT")->text(), "11");
    }
};

QTEST_MAIN(TestEnregistrement)
#include "test_enregistrement.moc"
