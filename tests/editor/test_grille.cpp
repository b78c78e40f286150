#include "Fenetre.h"

#include <QBuffer>
#include <QPainter>
#include <QPushButton>

#include <sys/stat.h>

namespace {

// A background of vertical bands, so that any shift or loss shows.
QImage bandes(QRgb couleur, int cote)
{
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(couleur);
    QPainter peintre(&image);
    for (int x = 10; x < cote; x += 20) {
        peintre.fillRect(x, 0, 10, cote, QColor(200, 200, 120));
    }
    return image;
}

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
        bandes(couleur, 10).scaled(cote, cote).save(&tampon, "png"); // its first band: plain
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
class TestGrille : public QObject {
    Q_OBJECT

    std::unique_ptr<Fenetre> f;

    void effacer() const
    {
        QTest::mouseClick(f->widget<QPushButton>("effacement"), Qt::LeftButton);
    }

    void choisirFond(const QString& nom) const
    {
        f->boites.reponses = {nom.isNull() ? nom : f->chemin(nom)};
        f->declencher("background1");
    }

private slots:
    void init() { f = std::make_unique<Fenetre>(); }
    void cleanup() { f.reset(); }

    void placeDansLaCelluleCliqueeAuTempsT()
    {
        Fenetre::ecrire("boss.ico", icoPng(65535, {{256, BLEU}})); // one image decoded, not 65,535
        Fenetre::ecrire("paire.ico", icoPng(2, {{16, VERT}, {32, BLEU}}));  // the 32 × 32 one
        Fenetre::ecrire("egales.ico", icoPng(2, {{32, BLEU}, {32, VERT}})); // the first
        f->relister();
        f->taper("tempsT", "7");
        const struct {
            const char* icone;
            int colonne, ligne;
            float x, y;
            QRgb couleur;
        } cas[] = {{"tank", 0, 0, -5, 5, VERT},   {"tank", 10, 0, 5, 5, VERT},
                   {"tank", 5, 5, 0, 0, VERT},    {"tank", 0, 10, -5, -5, VERT},
                   {"boss", 0, 10, -5, -5, BLEU}, // the later icon on top
                   {"paire", 1, 1, -4, 4, BLEU},  {"egales", 2, 2, -3, 3, BLEU}};
        for (int i = 0; i < 7; ++i) {
            f->choisirIcone(cas[i].icone + QString(".ico"));
            f->cliquerCellule(cas[i].colonne, cas[i].ligne,
                              i % 2 ? Qt::RightButton : Qt::LeftButton);
            const Ennemi& ennemi = niveau.ennemis[i];
            QVERIFY(ennemi.x == cas[i].x && ennemi.y == cas[i].y && ennemi.temps == 7);
            QCOMPARE(ennemi.type, std::string(cas[i].icone));
            QVERIFY(f->uni(cas[i].couleur, cas[i].colonne, cas[i].ligne));
        }
        auto* grille = f->widget<TDrawGrid>("Grille");
        const QPoint bordDeCellule = grille->contentsRect().topLeft() + QPoint(5 * 33 + 31, 31);
        QTest::mouseClick(grille, Qt::LeftButton, {}, bordDeCellule); // still the cell (5, 0)
        QVERIFY(niveau.ennemis[7].x == 0 && niveau.ennemis[7].y == 5);
        QCOMPARE(f->widget<QLabel>("labelNbEnn")->text(), "nombre total d'ennemis : 8/100");
        QVERIFY2(f->uni(BLANC, 9, 0) && f->uni(BLANC, 1, 0), "only the clicked cells change");
        const QPoint coin = grille->contentsRect().topLeft() + QPoint(10, 10);
        QCOMPARE(grille->grab().toImage().pixel(coin), VERT); // the screen shows the surface
    }

    void rienNEstPlaceSansIconeChoisieNiAuDelaDeCent()
    {
        auto* fichiers = f->widget<TFileListBox>("fichiers");
        for (int i = 0; i < 2; ++i) { // tabbing into the list chooses nothing
            f->cliquerCellule(2, 2);
            QTest::keyClick(f->widget("Grille"), Qt::Key_Tab);
        }
        QVERIFY(QApplication::focusWidget() == fichiers && f->boites.journal.isEmpty());
        QVERIFY(f->widget<QLabel>("Icone")->pixmap().isNull() && f->uni(BLANC));
        QTest::keyClick(fichiers, Qt::Key_Space); // the list's own keys select
        QTest::keyClick(fichiers, Qt::Key_Down);
        niveau.nbEnnemis = NB_MAX_ENNEMIS - 1;
        f->cliquerCellule(2, 2);
        QCOMPARE(niveau.ennemis[NB_MAX_ENNEMIS - 1].type, std::string("tank"));
        auto* compteur = f->widget<QLabel>("labelNbEnn");
        QCOMPARE(compteur->text(), "nombre total d'ennemis : 100/100");
        QVERIFY(compteur->sizeHint().width() <= compteur->width());
        f->cliquerCellule(1, 1);
        fichiers->clearSelection(); // full: the message comes first, chosen icon or not
        f->cliquerCellule(1, 1);
        QCOMPARE(f->boites.journal, QStringList(2, "message: Trop d'ennemis tue l'ennemi !"));
        QVERIFY(niveau.nbEnnemis == NB_MAX_ENNEMIS && f->uni(BLANC, 1, 1));

        // Another folder: no file chosen any more, the preview keeps the last icon.
        QDir().mkdir("vide");
        f->widget<TDirectoryListBox>("dossiers")->setDirectory(f->chemin("vide"));
        QVERIFY(f->listees().isEmpty());
        QCOMPARE(f->widget<QLabel>("Icone")->pixmap().toImage().pixel(9, 9), VERT);
        Fenetre::creerIcone("vide/loin.ico", BLEU); // an icon away from the current folder
        f->widget<TDirectoryListBox>("dossiers")->setDirectory(f->chemin("vide"));
        f->choisirIcone("loin.ico");
        QCOMPARE(f->widget<QLabel>("Icone")->pixmap().toImage().pixel(9, 9), BLEU);
    }

    void listeLesFichiersIcoDuDossier()
    {
        for (const char* nom : {"BOSS.ICO", ".ico", ".boss.ico"}) {
            Fenetre::creerIcone(nom, BLEU);
        }
        QFile::link("tank.ico", "lien.ico");
        QFile::link("absent", "casse.ico");
        for (const char* dossier : {"dossier.ico", "B", "a", ".cache"}) {
            QDir().mkdir(dossier);
        }
        QCOMPARE(mkfifo("fifo.ico", 0600), 0);
        Fenetre::ecrire("notes.txt", {});
        f->relister();
        auto* dossiers = f->widget<TDirectoryListBox>("dossiers");
        QStringList sousDossiers; // below the folder listed, but the hidden ones
        for (int i = dossiers->currentRow() + 1; i < dossiers->count(); ++i) {
            sousDossiers << dossiers->item(i)->text().trimmed();
        }
        QCOMPARE(sousDossiers, (QStringList{"a", "B", "dossier.ico"}));
        const QStringList attendus = {".boss.ico", ".ico",     "BOSS.ICO",
                                      "boss.ico",  "lien.ico", "tank.ico"};
        QCOMPARE(f->listees(), attendus);
        f->choisirIcone(".ico");
        f->cliquerCellule(0, 0);
        QCOMPARE(niveau.ennemis[0].type, std::string());
    }

    // Each gives the error box when picked (the preview) and again when a cell is clicked.
    void uneIconeIllisibleNePlaceRien()
    {
        Fenetre::ecrire("corrompue.ico", "\x00\x00\x01\x00 pas une icone");
        Fenetre::ecrire("vide.ico", {});
        Fenetre::ecrire("geante.ico", icoPng(1, {{300, BLEU}})); // more than an icon may hold
        const QStringList changees = {"absente.ico", "fifo.ico", "zero.ico"};
        for (const QString& nom : changees) {
            Fenetre::creerIcone(nom, VERT);
        }
        f->relister();
        for (const QString& nom : changees) { // since they were listed
            QFile::remove(nom);
        }
        QCOMPARE(mkfifo("fifo.ico", 0600), 0);
        QFile::link("/dev/zero", "zero.ico");
        for (const QString& nom :
             QStringList{"corrompue.ico", "vide.ico", "geante.ico"} + changees) {
            f->boites.journal.clear();
            f->choisirIcone(nom);
            f->cliquerCellule(1, 1);
            QCOMPARE(f->boites.journal.filter("erreur: Impossible de lire l'icône").size(), 2);
            QVERIFY(f->boites.journal[1].contains(nom));
        }
        QVERIFY(niveau.nbEnnemis == 0 && f->uni(BLANC));
    }

    void unNomQueLeJeuNeSaitPasLireNePlaceRien()
    {
        const QStringList noms = {"ta\tnk.ico", "l\nigne.ico", "日本.ico", "<img src=zero>日.ico"};
        QFile::link("/dev/zero", "zero"); // what markup would read
        for (const QString& nom : noms + QStringList("été.ico")) {
            Fenetre::creerIcone(nom, VERT);
        }
        Fenetre::ecrire("victime", "intacte");
        f->relister();
        for (const QString& nom : noms) {
            f->choisirIcone(nom);
            f->cliquerCellule(6, 6);
            QVERIFY(f->boites.journal.last().startsWith("message: « " + nom + " » ne peut pas"));
        }
        QFile::link("victime", "ennemi.tmp"); // a scratch file that would write elsewhere
        f->choisirIcone("été.ico");
        f->cliquerCellule(6, 6);
        QVERIFY(f->boites.journal.last().contains("« ennemi.tmp » ne peut pas être écrit"));
        QCOMPARE(Fenetre::lire("victime"), QByteArray("intacte"));
        QVERIFY(niveau.nbEnnemis == 0 && f->uni(BLANC, 6, 6));
        QFile::remove("ennemi.tmp"); // Windows-1252 accents reach the level as single bytes
        f->cliquerCellule(6, 6);
        QCOMPARE(niveau.ennemis[0].type, std::string("\xE9t\xE9"));
    }

    void effacerNOteQueLesIconesEtRemetLeFond()
    {
        f->choisirIcone("tank.ico");
        f->cliquerCellule(7, 2);
        choisirFond("corrompu.bmp"); // unreadable: changes nothing, not even the brush
        effacer();
        QVERIFY(f->uni(BLANC) && niveau.nbEnnemis == 1);
        bandes(BLEU, 363).save("fond.bmp");
        bandes(VERT, 500).save("grand.bmp");
        choisirFond("fond.bmp");
        QCOMPARE(f->boites.journal.last(), "dialogue: Bitmaps (*.bmp)");
        f->cliquerCellule(5, 5);
        effacer();
        QCOMPARE(f->surface(), bandes(BLEU, 363));
        choisirFond(BoitesScriptees::ANNULER);
        choisirFond("grand.bmp"); // only the part the grid shows is kept
        QCOMPARE(f->surface(), bandes(VERT, 363));

        QByteArray entete = Fenetre::lire("fond.bmp");
        Fenetre::ecrire("tronque.bmp", entete.left(4096));
        for (const qint32 cote : {30000, INT_MIN}) {
            qToLittleEndian<qint32>(cote, entete.data() + 18);
            qToLittleEndian<qint32>(cote, entete.data() + 22);
            Fenetre::ecrire(QString::number(cote) + ".bmp", entete);
        }
        QCOMPARE(mkfifo("fifo.bmp", 0600), 0);
        QFile::link("/dev/zero", "zero.bmp");
        for (const char* nom :
             {"tronque.bmp", "30000.bmp", "-2147483648.bmp", "fifo.bmp", "zero.bmp"}) {
            choisirFond(nom);
            QVERIFY(
                f->boites.journal.last().startsWith("erreur: Impossible de lire l'image de fond"));
            f->cliquerCellule(4, 4);
            effacer();
            QCOMPARE(f->surface(), bandes(VERT, 363)); // the background in use stays
        }
        bandes(BLEU, 400).save("grand.bmp"); // changed since: read again
        effacer();
        QCOMPARE(f->surface(), bandes(BLEU, 363));
        QFile::remove("grand.bmp"); // removed since: each clearing says so
        effacer();
        effacer();
        QCOMPARE(f->boites.compte("erreur"), 8);
        QVERIFY(f->uni(ROUGE)); // the fill, with the brush a background turned red
    }

    void leRemplissageSArreteAuRouge()
    {
        // The red ring bounds the fill: its inside, and a blue pixel in it, survive; so does the
        // blue corner the red closes in. A fill that starts on the border fills nothing.
        QImage depart(7, 7, QImage::Format_RGB32);
        depart.fill(BLANC);
        QPainter peintre(&depart);
        peintre.setPen(QColor(ROUGE));
        peintre.drawRect(1, 1, 4, 4);
        peintre.drawPolyline(QPolygon({{5, 6}, {5, 5}, {6, 5}}));
        peintre.fillRect(3, 3, 1, 1, QColor(BLEU));
        peintre.fillRect(6, 6, 1, 1, QColor(BLEU));
        peintre.end();
        QWidget affichage;
        TCanvas canvas(affichage, QSize(7, 7));
        canvas.Draw(0, 0, depart);
        canvas.setBrushColor(ROUGE); // brush and border alike: still the whole region
        canvas.FloodFill(0, 0, ROUGE);
        canvas.setBrushColor(VERT);
        canvas.FloodFill(1, 1, ROUGE);
        const QImage& image = canvas.image();
        QVERIFY(image.pixel(0, 6) == ROUGE && image.pixel(6, 0) == ROUGE &&
                image.pixel(4, 6) == ROUGE);
        QVERIFY(image.pixel(1, 1) == ROUGE && image.pixel(2, 4) == BLANC);
        QVERIFY(image.pixel(3, 3) == BLEU && image.pixel(6, 6) == BLEU);
    }
};

QTEST_MAIN(TestGrille)
#include "test_grille.moc"
