#include "Fenetre.h"

#include <QPushButton>

// The README's table of bad inputs, one row per way in: each shows its box, naming what it
// refuses, and leaves the level, the grid (as it is, and once cleared under the background in
// use), the icon preview and the folder as they were. The kinds of unreadable pictures are the grid
// tests' own.
class TestEntreesInvalides : public Fenetre {
    Q_OBJECT

    QStringList etat() const
    {
        const auto grille = [this] {
            return QString::number(qHashBits(surface().bits(), surface().sizeInBytes()));
        };
        QStringList etat = {QString::fromStdString(niveau.nom), QString::number(niveau.duree),
                            QString::number(niveau.profondeur), QString::number(niveau.nbEnnemis),
                            grille()};
        // The preview too: every icon here is green.
        etat << QString::number(widget<QLabel>("Icone")->pixmap().toImage().pixel(9, 9));
        QTest::mouseClick(widget<QPushButton>("effacement"), Qt::LeftButton);
        etat << grille();
        for (const QFileInfo& entree : QDir().entryInfoList(QDir::AllEntries | QDir::System |
                                                            QDir::Hidden | QDir::NoDotAndDotDot)) {
            etat << entree.fileName() + ' ' + (entree.isSymLink() ? "" : lire(entree.fileName()));
        }
        return etat;
    }

    void placer(const QString& icone) const
    {
        choisirIcone(icone);
        cliquerCellule(4, 4);
    }

    void renommer(const QString& nom)
    {
        boites.reponses = {nom};
        QTest::mouseClick(widget("NomNiveau"), Qt::LeftButton);
    }

    void repondre(const QString& reponse, const char* action)
    {
        boites.reponses = {reponse};
        declencher(action);
    }

private slots:
    void chaqueEntreeInvalideEstRefuseeSansRienChanger()
    {
        const QString tropLong = QString(250 - chemin("").toUtf8().size(), 'n'); // 255 bytes
        const QString temporaire = "Le fichier temporaire « ennemi.tmp »";
        const char* sous = "Enregistrerleniveausous2";
        // A scratch file that would write elsewhere.
        const auto lien = [] { remplacer("ennemi.tmp", "victime"); };
        const struct {
            QString nom, boite; // what the box names, the start of its text
            std::function<void()> faire;
            int boites = 1;
            std::function<void()> avant = [] {};
        } cas[] = {
            {"corrompue.ico", "erreur: Impossible de lire l'icône",
             [&] { placer("corrompue.ico"); }, 2}, // when picked, and again on the click
            {"ta\tb.ico", "message: « ", [&] { placer("ta\tb.ico"); }},
            {"日本.ico", "message: « ", [&] { placer("日本.ico"); }},
            {"<img src=zero>日.ico", "message: « ", [&] { placer("<img src=zero>日.ico"); }},
            {"ennemi.tmp", "message: " + temporaire, [&] { placer("tank.ico"); }, 1, lien},
            {"corrompu.bmp", "erreur: Impossible de lire l'image de fond",
             [&] { repondre(chemin("corrompu.bmp"), "background1"); }},
            {tropLong, "erreur: Ce chemin", [&] { repondre(chemin(tropLong), sous); }},
            {"ligne\n.txt", "erreur: Ce chemin", [&] { repondre(chemin("ligne\n.txt"), sous); }},
            {"absent/n.txt", "erreur: Impossible d'écrire",
             [&] { repondre(chemin("absent/n.txt"), sous); }},
            {"ennemi.tmp", "erreur: " + temporaire, [&] { declencher("Enregistrer1"); }, 1, lien},
            {"'abc'", "erreur: ", [&] { saisir("DureeMission", "abc"); }},
            {"'-40.5'", "erreur: ", [&] { repondre("-40.5", "changerlaprofondeur1"); }},
            {"« ta\tb »", "message: ", [&] { renommer("ta\tb"); }},
            {"« \u0081 »", "message: ", [&] { renommer("\u0081"); }}, // Latin-1, not Windows-1252
        };
        for (const char* nom : {"corrompue.ico", "ta\tb.ico", "日本.ico", "<img src=zero>日.ico"}) {
            creerIcone(nom, VERT);
        }
        remplacer("zero", "/dev/zero"); // what markup in a name would read
        relister();
        ecrire("corrompue.ico", "\x00\x00\x01\x00 pas une icone");
        ecrire("corrompu.bmp", "BM pas une image");
        ecrire("victime", "intacte");
        plein(BLEU, 363).save("fond.bmp");
        placer("tank.ico"); // a level with an enemy, a background and a file
        repondre(chemin("fond.bmp"), "background1");
        repondre(chemin("niveau.txt"), sous);
        for (const auto& c : cas) {
            c.avant();
            const QStringList avant = etat();
            boites.journal.clear();
            c.faire();
            QCOMPARE(boites.journal.filter(QRegularExpression("^(erreur|message): ")).size(),
                     c.boites);
            QVERIFY2(boites.journal.last().startsWith(c.boite) &&
                         boites.journal.last().contains(c.nom),
                     qPrintable(boites.journal.last()));
            QCOMPARE(etat(), avant);
            QFile::remove("ennemi.tmp");
        }
    }
};

QTEST_MAIN(TestEntreesInvalides)
#include "test_entrees_invalides.moc"
