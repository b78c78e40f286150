#include "Fenetre.h"
#include "erreurs.h"
#include "images.h"

#include <QBuffer>
#include <QPushButton>

namespace {

// An icon file of `nombre` directory entries that point in turn at plain PNGs of the sides and
// colours given.
QByteArray icoPng(int nombre, const std::vector<std::pair<int, QRgb>>& images)
{
    QByteArray ico;
    QByteArray pngs;
    QDataStream flux(&ico, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    flux << quint16(0) << quint16(1) << quint16(nombre);
    std::vector<quint32> debuts;
    for (const auto& [cote, couleur] : images) {
        debuts.push_back(quint32(6 + 16 * nombre + pngs.size()));
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        plein(couleur, cote).save(&tampon, "png");
        pngs += tampon.data();
    }
    debuts.push_back(quint32(6 + 16 * nombre + pngs.size()));
    for (int i = 0; i < nombre; ++i) {
        const std::size_t n = std::size_t(i) % images.size();
        flux << quint32(images[n].first % 256 * 0x101) << quint16(1) << quint16(32)
             << debuts[n + 1] - debuts[n] << debuts[n];
    }
    return ico + pngs;
}

} // namespace

// Icon palette, placement grid, background picture and display clearing.
class TestGrille : public Fenetre {
    Q_OBJECT

    void effacer() const { QTest::mouseClick(widget<QPushButton>("effacement"), Qt::LeftButton); }

private slots:
    // An icon picked, then a cell clicked with either button: the enemy comes in at T where the
    // cell lies, and the icon is drawn there, over any icon before.
    void placeDansLaCelluleCliqueeAuTempsT()
    {
        creerIcone("été.ico", VERT); // Windows-1252 accents reach the level as single bytes
        relister();
        taper("tempsT", "7");
        const struct {
            const char* icone;
            int colonne, ligne;
            float x, y;
            QRgb couleur;
            std::string type;
        } cas[] = {{"tank.ico", 0, 0, -5, 5, VERT, "tank"},
                   {"tank.ico", 10, 0, 5, 5, VERT, "tank"},
                   {"boss.ico", 10, 10, 5, -5, BLEU, "boss"},
                   {"été.ico", 10, 10, 5, -5, VERT, "\xE9t\xE9"}};
        for (int i = 0; i < 4; ++i) {
            choisirIcone(cas[i].icone);
            cliquerCellule(cas[i].colonne, cas[i].ligne, i % 2 ? Qt::RightButton : Qt::LeftButton);
            const Ennemi& ennemi = niveau.ennemis[i];
            QVERIFY(ennemi.x == cas[i].x && ennemi.y == cas[i].y && ennemi.temps == 7);
            QCOMPARE(ennemi.type, cas[i].type);
            QVERIFY(uni(cas[i].couleur, cas[i].colonne, cas[i].ligne));
        }
        cliquerCellule(5, 0, Qt::LeftButton, {31, 31}); // its last pixel is still the cell
        QVERIFY(niveau.ennemis[4].x == 0 && niveau.ennemis[4].y == 5);
        QCOMPARE(widget<QLabel>("labelNbEnn")->text(), "nombre total d'ennemis : 5/100");
        QVERIFY2(uni(BLANC, 9, 0) && uni(BLANC, 0, 10), "only the clicked cells change");
    }

    // Of an icon file, only its image nearest 32 × 32 is read, the first of equals. A picture
    // that is not a plain file, or whose header asks for too much, is refused unread.
    void uneImageEstLueAvecMesureOuRefusee()
    {
        ecrire("grande.ico", icoPng(65535, {{256, BLEU}})); // one image decoded, not 65,535
        ecrire("paire.ico", icoPng(2, {{16, VERT}, {32, BLEU}}));
        ecrire("egales.ico", icoPng(2, {{32, BLEU}, {32, VERT}}));
        ecrire("geante.ico", icoPng(1, {{300, BLEU}}));
        ecrire("vide.ico", {});
        plein(BLEU, 363).save("fond.bmp");
        QByteArray entete = lire("fond.bmp");
        ecrire("tronque.bmp", entete.left(4096));
        for (const qint32 cote : {30000, INT_MIN}) {
            qToLittleEndian<qint32>(cote, entete.data() + 18);
            qToLittleEndian<qint32>(cote, entete.data() + 22);
            ecrire(QString::number(cote) + ".bmp", entete);
        }
        for (const char* nom : {"fifo.ico", "fifo.bmp"}) {
            remplacer(nom);
        }
        for (const char* nom : {"zero.ico", "zero.bmp"}) {
            remplacer(nom, "/dev/zero");
        }
        const std::pair<QString, QRgb> cas[] = {
            {"grande.ico", BLEU}, {"paire.ico", BLEU}, {"egales.ico", BLEU}, {"geante.ico", 0},
            {"vide.ico", 0},      {"absente.ico", 0},  {"fifo.ico", 0},      {"zero.ico", 0},
            {"fond.bmp", BLEU},   {"tronque.bmp", 0},  {"30000.bmp", 0},     {"-2147483648.bmp", 0},
            {"fifo.bmp", 0},      {"zero.bmp", 0}};
        TBitmap fond(QSize(363, 363));
        for (const auto& [nom, couleur] : cas) {
            QRgb lue = 0;
            try {
                const bool icone = nom.endsWith(".ico");
                if (!icone) {
                    fond.LoadFromFile(nom);
                }
                lue = (icone ? chargerIcone(nom) : fond.image()).pixel(1, 1);
            } catch (const Exception&) {
            }
            QCOMPARE(lue, couleur);
        }
    }

    void rienNEstPlaceSansIconeChoisieNiAuDelaDeCent()
    {
        auto* fichiers = widget<TFileListBox>("fichiers");
        for (int i = 0; i < 2; ++i) { // tabbing into the list chooses nothing
            cliquerCellule(2, 2);
            QTest::keyClick(widget("Grille"), Qt::Key_Tab);
        }
        QVERIFY(QApplication::focusWidget() == fichiers && boites.journal.isEmpty());
        QVERIFY(widget<QLabel>("Icone")->pixmap().isNull() && uni(BLANC));
        QTest::keyClick(fichiers, Qt::Key_Space); // the list's own keys select
        QTest::keyClick(fichiers, Qt::Key_Down);
        niveau.nbEnnemis = NB_MAX_ENNEMIS - 1;
        cliquerCellule(2, 2);
        QCOMPARE(niveau.ennemis[NB_MAX_ENNEMIS - 1].type, std::string("tank"));
        auto* compteur = widget<QLabel>("labelNbEnn");
        QCOMPARE(compteur->text(), "nombre total d'ennemis : 100/100");
        QVERIFY(compteur->sizeHint().width() <= compteur->width());
        cliquerCellule(1, 1);
        fichiers->clearSelection(); // full: the message comes first, chosen icon or not
        cliquerCellule(1, 1);
        QCOMPARE(boites.journal, QStringList(2, "message: Trop d'ennemis tue l'ennemi !"));
        QVERIFY(niveau.nbEnnemis == NB_MAX_ENNEMIS && uni(BLANC, 1, 1));
        // Another folder: no file chosen any more, the preview keeps the last icon.
        QDir().mkdir("vide");
        widget<TDirectoryListBox>("dossiers")->setDirectory(chemin("vide"));
        QVERIFY(listees().isEmpty());
        QCOMPARE(widget<QLabel>("Icone")->pixmap().toImage().pixel(9, 9), VERT);
        creerIcone("vide/loin.ico", BLEU); // an icon away from the current folder
        widget<TDirectoryListBox>("dossiers")->setDirectory(chemin("vide"));
        choisirIcone("loin.ico");
        QCOMPARE(widget<QLabel>("Icone")->pixmap().toImage().pixel(9, 9), BLEU);
    }

    void listeLesFichiersIcoDuDossier()
    {
        for (const char* nom : {"BOSS.ICO", ".ico", ".boss.ico"}) {
            creerIcone(nom, BLEU);
        }
        QFile::link("tank.ico", "lien.ico");
        QFile::link("absent", "casse.ico");
        for (const char* dossier : {"dossier.ico", "B", "a", ".cache"}) {
            QDir().mkdir(dossier);
        }
        remplacer("fifo.ico");
        ecrire("notes.txt", {});
        relister();
        auto* dossiers = widget<TDirectoryListBox>("dossiers");
        QStringList sousDossiers; // below the folder listed, but the hidden ones
        for (int i = dossiers->currentRow() + 1; i < dossiers->count(); ++i) {
            sousDossiers << dossiers->item(i)->text().trimmed();
        }
        QCOMPARE(sousDossiers, (QStringList{"a", "B", "dossier.ico"}));
        QCOMPARE(listees(), (QStringList{".boss.ico", ".ico", "BOSS.ICO", "boss.ico", "lien.ico",
                                         "tank.ico"}));
    }

    // A background replaces the picture under the icons at each clearing, read again when its
    // file changed; before any, a clearing wipes the grid white.
    void effacerNOteQueLesIconesEtRemetLeFond()
    {
        choisirIcone("tank.ico");
        plein(BLEU, 363).save("fond.bmp");
        plein(VERT, 500).save("grand.bmp");
        const std::pair<QString, QRgb> cas[] = {
            {"absent.bmp", BLANC}, // unreadable: not even the brush changes
            {"fond.bmp", BLEU},
            {QString(), BLEU},   // cancelled
            {"grand.bmp", VERT}, // only the part the grid shows
        };
        for (const auto& [nom, couleur] : cas) {
            boites.reponses = {nom.isNull() ? nom : chemin(nom)};
            declencher("background1");
            cliquerCellule(4, 4);
            effacer();
            QVERIFY(uni(couleur));
        }
        QCOMPARE(boites.journal.filter("erreur: ").size(), 1);
        plein(BLEU, 400).save("grand.bmp"); // changed since: read again
        effacer();
        QVERIFY(uni(BLEU));
        QFile::remove("grand.bmp"); // removed since: each clearing says so
        effacer();
        effacer();
        QCOMPARE(boites.journal.filter("erreur: ").size(), 3);
        QVERIFY(uni(ROUGE) && niveau.nbEnnemis == 4); // filled with the brush a background set
    }
};

QTEST_MAIN(TestGrille)
#include "test_grille.moc"
