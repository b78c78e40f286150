#include "Fenetre.h"
#include "TDirectoryListBox.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <climits>
#include <sys/stat.h>

namespace {

const QRgb BLANC = qRgb(255, 255, 255);
const QRgb ROUGE = qRgb(255, 0, 0);
const QRgb VERT = qRgb(0, 160, 0);
const QRgb BLEU = qRgb(0, 0, 200);

const auto uni = &Fenetre::uni;

QRect cellule(int colonne, int ligne) { return {colonne * 33, ligne * 33, 32, 32}; }

// A picture for the background: vertical bands, so that any shift or loss shows.
QString creerFond(const QString& nom, QRgb couleur)
{
    QImage image(363, 363, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            image.setPixel(x, y, x % 20 < 10 ? couleur : qRgb(200, 200, 120));
        }
    }
    const QString chemin = QDir::current().filePath(nom);
    image.save(chemin, "bmp");
    return chemin;
}

void ecrireFichier(const QString& chemin, const QByteArray& contenu)
{
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(contenu);
}

// An icon file whose `nombre` directory entries all point at one blue PNG of cote × cote pixels.
QByteArray icoPng(int nombre, int cote)
{
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(BLEU);
    image.save(&tampon, "png");
    QByteArray ico;
    QDataStream flux(&ico, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    flux << quint16(0) << quint16(1) << quint16(nombre);
    for (int i = 0; i < nombre; ++i) {
        flux << quint8(cote % 256) << quint8(cote % 256) << quint16(0) << quint16(1) << quint16(32)
             << quint32(png.size()) << quint32(6 + 16 * nombre);
    }
    return ico + png;
}

// A bitmap header announcing largeur × hauteur pixels, followed by no pixel.
QByteArray enteteBmp(qint32 largeur, qint32 hauteur)
{
    QByteArray bmp;
    QDataStream flux(&bmp, QIODevice::WriteOnly);
    flux.setByteOrder(QDataStream::LittleEndian);
    flux << quint8('B') << quint8('M') << quint32(54) << quint32(0) << quint32(54) << quint32(40)
         << largeur << hauteur << quint16(1) << quint16(24) << quint32(0) << quint32(0)
         << quint32(0) << quint32(0) << quint32(0) << quint32(0);
    return bmp;
}

} // namespace

// Icon palette, placement grid, background picture and display clearing.
class TestGrille : public QObject {
    Q_OBJECT

private slots:
    void placeAuxCoinsEtAuCentre()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        f.ouvrir();
        f.choisirIcone("tank.ico");
        f.taperTemps("7");
        struct Cas {
            int colonne, ligne;
            float x, y;
        };
        const Cas cas[] = {{0, 0, -5, 5}, {10, 0, 5, 5}, {5, 5, 0, 0}, {10, 10, 5, -5}};
        for (const Cas& c : cas) {
            f.cliquerCellule(c.colonne, c.ligne);
            const Ennemi& ennemi = niveau.ennemis[niveau.nbEnnemis - 1];
            QCOMPARE(ennemi.x, c.x);
            QCOMPARE(ennemi.y, c.y);
            QCOMPARE(ennemi.temps, 7.0f);
            QCOMPARE(ennemi.type, std::string("tank"));
            QVERIFY(uni(f.surface(), cellule(c.colonne, c.ligne), VERT));
        }
        QCOMPARE(niveau.nbEnnemis, 4);
        QCOMPARE(f.widget<QLabel>("labelNbEnn")->text(),
                 QStringLiteral("nombre total d'ennemis : 4/100"));
        QVERIFY2(uni(f.surface(), QRect(32, 0, 298, 32), BLANC), "only the clicked cells change");

        // The grid shows its surface: the corner icon is on screen.
        const QImage ecran = f.widget<TDrawGrid>("Grille")->grab().toImage();
        const QPoint origine = f.widget<TDrawGrid>("Grille")->contentsRect().topLeft();
        QCOMPARE(ecran.pixel(origine + QPoint(10, 10)) & RGB_MASK, VERT & RGB_MASK);
    }

    void uneCelluleRecoitAutantDEnnemisQueVoulu()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        ecrireFichier(f.chemin("boss.ico"), icoPng(65535, 256)); // one image decoded, not 65,535
        f.ouvrir();
        f.choisirIcone("tank.ico");
        f.cliquerCellule(3, 4);
        f.choisirIcone("boss.ico");
        f.cliquerCellule(3, 4, Qt::RightButton);
        QCOMPARE(niveau.nbEnnemis, 2);
        QCOMPARE(niveau.ennemis[1].type, std::string("boss"));
        QVERIFY2(uni(f.surface(), cellule(3, 4), BLEU), "the later icon covers the earlier");
        QCOMPARE(f.widget<QLabel>("labelNbEnn")->text(),
                 QStringLiteral("nombre total d'ennemis : 2/100"));
    }

    void sansIconeChoisieRienNeSePasse()
    {
        Fenetre f;
        Fenetre::creerIcone("boss.ico", BLEU);
        Fenetre::creerIcone("tank.ico", VERT);
        f.ouvrir();
        auto* grille = f.widget<TDrawGrid>("Grille");
        f.cliquerCellule(2, 2);
        QCOMPARE(niveau.nbEnnemis, 0);
        QVERIFY(f.boites.messages.isEmpty());
        const QRect coin = cellule(0, 0).translated(grille->contentsRect().topLeft());
        QVERIFY2(uni(grille->grab().toImage(), coin, BLANC), "white before anything is drawn");
        QVERIFY(uni(f.surface(), f.surface().rect(), BLANC));

        // Tabbing into the list chooses nothing; its own keys then select.
        auto* fichiers = f.widget<TFileListBox>("fichiers");
        QTest::keyClick(grille, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fichiers);
        QCOMPARE(fichiers->FileName(), QString());
        QVERIFY(f.widget<QLabel>("Icone")->pixmap().isNull());
        f.cliquerCellule(2, 2);
        QCOMPARE(niveau.nbEnnemis, 0);
        QTest::keyClick(grille, Qt::Key_Tab);
        QTest::keyClick(fichiers, Qt::Key_Space);
        QCOMPARE(fichiers->FileName(), f.chemin("boss.ico"));
        QTest::keyClick(fichiers, Qt::Key_Down);
        QCOMPARE(fichiers->FileName(), f.chemin("tank.ico"));
        f.cliquerCellule(2, 2);
        QCOMPARE(niveau.ennemis[0].type, std::string("tank"));
    }

    void laCentiemePasseLaCentUniemeEstRefusee()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        f.ouvrir();
        QLabel* compteur = f.widget<QLabel>("labelNbEnn");
        const int largeur = compteur->width();
        niveau.nbEnnemis = NB_MAX_ENNEMIS - 1;
        f.cliquerCellule(0, 0); // no selection yet: nothing, not even the message
        QVERIFY(f.boites.messages.isEmpty());

        f.choisirIcone("tank.ico");
        f.cliquerCellule(0, 0);
        QCOMPARE(niveau.nbEnnemis, NB_MAX_ENNEMIS);
        QCOMPARE(compteur->text(), QStringLiteral("nombre total d'ennemis : 100/100"));
        QCOMPARE(compteur->width(), largeur); // sized once, for the longest count
        QVERIFY(compteur->sizeHint().width() <= largeur);

        f.cliquerCellule(1, 1);
        QCOMPARE(f.boites.messages, QStringList{"Trop d'ennemis tue l'ennemi !"});
        QCOMPARE(niveau.nbEnnemis, NB_MAX_ENNEMIS);
        QVERIFY2(uni(f.surface(), cellule(1, 1), BLANC), "a refused enemy is not drawn");

        // Full, the message comes first, even with no icon selected any more.
        f.widget<TFileListBox>("fichiers")->clearSelection();
        f.cliquerCellule(2, 2);
        QCOMPARE(f.boites.messages.size(), 2);
    }

    void lApercuGardeLaDerniereIcone()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        QDir().mkdir(f.chemin("vide"));
        f.ouvrir();
        QLabel* icone = f.widget<QLabel>("Icone");
        QVERIFY(icone->pixmap().isNull());
        f.choisirIcone("tank.ico");
        QCOMPARE(icone->pixmap().toImage().pixel(16, 16) & RGB_MASK, VERT & RGB_MASK);

        f.widget<TDirectoryListBox>("dossiers")->setDirectory(f.chemin("vide"));
        QCOMPARE(f.widget<TFileListBox>("fichiers")->model()->rowCount(), 0);
        QVERIFY(!icone->pixmap().isNull());
        f.cliquerCellule(4, 4);
        QCOMPARE(niveau.nbEnnemis, 0);
    }

    // Each gives the error box when picked (the preview) and again when a cell is clicked.
    void uneIconeIllisibleNePlaceRien()
    {
        Fenetre f;
        ecrireFichier(f.chemin("corrompue.ico"), "\x00\x00\x01\x00 ceci n'est pas une icone");
        ecrireFichier(f.chemin("vide.ico"), {});
        ecrireFichier(f.chemin("geante.ico"), icoPng(1, 300)); // more than an icon may hold
        for (const char* nom : {"absente.ico", "fifo.ico", "zero.ico"}) {
            Fenetre::creerIcone(nom, VERT);
        }
        f.ouvrir();
        // Changed since the list was shown: removed, a FIFO that would never answer, a device.
        QFile::remove(f.chemin("absente.ico"));
        QFile::remove(f.chemin("fifo.ico"));
        QCOMPARE(mkfifo(qPrintable(f.chemin("fifo.ico")), 0600), 0);
        QFile::remove(f.chemin("zero.ico"));
        QVERIFY(QFile::link("/dev/zero", f.chemin("zero.ico")));

        for (const char* nom :
             {"corrompue.ico", "vide.ico", "geante.ico", "absente.ico", "fifo.ico", "zero.ico"}) {
            f.boites.erreurs.clear();
            f.choisirIcone(nom);
            f.cliquerCellule(1, 1);
            QCOMPARE(f.boites.erreurs.size(), 2);
            QVERIFY(f.boites.erreurs[1].contains(nom));
        }
        QCOMPARE(niveau.nbEnnemis, 0);
        QVERIFY(uni(f.surface(), f.surface().rect(), BLANC));
    }

    void unNomQueLeJeuNeSaitPasLireEstRefuse()
    {
        Fenetre f;
        const QStringList noms = {QStringLiteral("ta\tnk.ico"), QStringLiteral("日本.ico"),
                                  QStringLiteral("l\nigne.ico"),
                                  QStringLiteral("<img src=zero>日.ico")};
        QVERIFY(QFile::link("/dev/zero", f.chemin("zero"))); // what markup would read
        for (const QString& nom : noms) {
            Fenetre::creerIcone(nom, VERT);
        }
        Fenetre::creerIcone("été.ico", BLEU);
        f.ouvrir();
        for (const QString& nom : noms) {
            f.choisirIcone(nom);
            f.cliquerCellule(6, 6);
        }
        QCOMPARE(f.boites.messages.size(), noms.size());
        QVERIFY(f.boites.messages.last().startsWith("« <img src=zero>日.ico »"));
        QCOMPARE(niveau.nbEnnemis, 0);
        QVERIFY(uni(f.surface(), cellule(6, 6), BLANC));

        // Accents of Windows-1252 are fine: they reach the level as single bytes.
        f.choisirIcone("été.ico");
        f.cliquerCellule(6, 6);
        QCOMPARE(niveau.nbEnnemis, 1);
        QCOMPARE(niveau.ennemis[0].type, std::string("\xE9t\xE9"));
    }

    void sansFichierTemporaireRienNEstPlace()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        f.ouvrir();
        ecrireFichier(f.chemin("victime"), "intacte");
        QVERIFY(QFile::link("victime", f.chemin("ennemi.tmp")));
        f.choisirIcone("tank.ico");
        f.cliquerCellule(0, 0);
        QCOMPARE(f.boites.messages.size(), 1);
        QVERIFY(f.boites.messages[0].contains("ennemi.tmp"));
        QCOMPARE(niveau.nbEnnemis, 0);
        QVERIFY(uni(f.surface(), cellule(0, 0), BLANC));
        QFile victime(f.chemin("victime"));
        QVERIFY(victime.open(QIODevice::ReadOnly));
        QCOMPARE(victime.readAll(), QByteArray("intacte"));
    }

    void effacerNEfaceQueLEcran()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        f.ouvrir();
        f.choisirIcone("tank.ico");
        f.cliquerCellule(0, 0);
        f.cliquerCellule(7, 2);
        QTest::mouseClick(f.widget<QPushButton>("effacement"), Qt::LeftButton);
        QVERIFY(uni(f.surface(), f.surface().rect(), BLANC));
        QCOMPARE(niveau.nbEnnemis, 2);
        QCOMPARE(f.widget<QLabel>("labelNbEnn")->text(),
                 QStringLiteral("nombre total d'ennemis : 2/100"));
    }

    void leFondRevientSansLesIcones()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        const QString fond1 = creerFond("fond1.bmp", BLEU);
        const QString fond2 = creerFond("fond2.bmp", VERT);
        TForm1& form = f.ouvrir();
        QAction* background1 = form.findChild<QAction*>("background1");

        f.boites.reponsesDialogue = {fond1};
        background1->trigger();
        QCOMPARE(f.boites.filtresDialogues.back(), QStringLiteral("Bitmaps (*.bmp)"));
        const QImage attendu1 = QImage(fond1).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(f.surface(), attendu1);

        f.choisirIcone("tank.ico");
        f.cliquerCellule(5, 5);
        QVERIFY(uni(f.surface(), cellule(5, 5), VERT));
        QTest::mouseClick(f.widget<QPushButton>("effacement"), Qt::LeftButton);
        QCOMPARE(f.surface(), attendu1);

        f.boites.reponsesDialogue = {BoitesScriptees::ANNULER};
        background1->trigger();
        QCOMPARE(f.surface(), attendu1);

        f.boites.reponsesDialogue = {fond2};
        background1->trigger();
        f.cliquerCellule(1, 1);
        QTest::mouseClick(f.widget<QPushButton>("effacement"), Qt::LeftButton);
        QCOMPARE(f.surface(), QImage(fond2).convertToFormat(QImage::Format_RGB32));
        QVERIFY(f.boites.erreurs.isEmpty());
    }

    void unFondIllisibleNeChangeRien()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", VERT);
        const QString fond = creerFond("fond.bmp", BLEU);
        ecrireFichier(f.chemin("corrompu.bmp"), "BM pas une image");
        QFile entier(fond);
        QVERIFY(entier.open(QIODevice::ReadOnly));
        ecrireFichier(f.chemin("tronque.bmp"), entier.read(4096)); // rows that are not there
        ecrireFichier(f.chemin("immense.bmp"), enteteBmp(30000, 30000));
        ecrireFichier(f.chemin("int_min.bmp"), enteteBmp(INT_MIN, INT_MIN));
        QCOMPARE(mkfifo(qPrintable(f.chemin("fifo.bmp")), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", f.chemin("zero.bmp")));
        const QImage attendu = QImage(fond).convertToFormat(QImage::Format_RGB32);
        TForm1& form = f.ouvrir();
        QAction* background1 = form.findChild<QAction*>("background1");
        QPushButton* effacement = f.widget<QPushButton>("effacement");

        f.boites.reponsesDialogue = {f.chemin("corrompu.bmp")};
        background1->trigger();
        QTest::mouseClick(effacement, Qt::LeftButton);
        QVERIFY2(uni(f.surface(), f.surface().rect(), BLANC), "the brush did not turn red");

        f.boites.reponsesDialogue = {fond};
        background1->trigger();
        f.choisirIcone("tank.ico");
        for (const char* nom :
             {"tronque.bmp", "immense.bmp", "int_min.bmp", "fifo.bmp", "zero.bmp"}) {
            f.boites.erreurs.clear();
            f.boites.reponsesDialogue = {f.chemin(nom)};
            background1->trigger();
            QCOMPARE(f.boites.erreurs.size(), 1);
            QVERIFY(f.boites.erreurs[0].contains(nom));
            f.cliquerCellule(4, 4);
            QTest::mouseClick(effacement, Qt::LeftButton);
            QCOMPARE(f.surface(), attendu); // the background in use is still the one shown
        }

        // The picture in use, removed since, cannot be shown again: each clearing says so.
        QFile::remove(fond);
        QTest::mouseClick(effacement, Qt::LeftButton);
        QTest::mouseClick(effacement, Qt::LeftButton);
        QCOMPARE(f.boites.erreurs.size(), 3);
        QVERIFY(form.isVisible());
    }

    void leRemplissageSArreteAuRouge()
    {
        QWidget affichage;
        // . . . . . . .
        // . R R R R R .
        // . R . . . R .     the red ring bounds the fill: its inside survives,
        // . R . B . R .     and so does a blue pixel inside it
        // . R . . . R .
        // . R R R R R .
        // . . . . . . B
        QImage depart(7, 7, QImage::Format_RGB32);
        depart.fill(BLANC);
        QPainter peintre(&depart);
        peintre.setPen(QColor(ROUGE));
        peintre.drawRect(1, 1, 4, 4);
        peintre.end();
        depart.setPixel(3, 3, BLEU);
        depart.setPixel(6, 6, BLEU);
        TCanvas canvas(affichage, QSize(7, 7));
        canvas.Draw(0, 0, depart);

        canvas.setBrushColor(VERT);
        canvas.FloodFill(0, 0, ROUGE);
        const QImage& image = canvas.image();
        QVERIFY(uni(image, QRect(0, 0, 7, 1), VERT));
        QVERIFY(uni(image, QRect(0, 0, 1, 7), VERT));
        QCOMPARE(image.pixel(6, 6), VERT);
        QVERIFY(uni(image, QRect(2, 2, 3, 1), BLANC));
        QCOMPARE(image.pixel(3, 3), BLEU);
        QCOMPARE(image.pixel(1, 1), ROUGE);

        canvas.setBrushColor(BLEU);
        canvas.FloodFill(1, 1, ROUGE); // starting on the border fills nothing
        QCOMPARE(image.pixel(1, 1), ROUGE);
        QCOMPARE(image.pixel(0, 0), VERT);
    }

    void leRemplissageCouvreToutUnDessinEtPasLesDiagonales()
    {
        QWidget affichage;
        QImage depart(363, 363, QImage::Format_RGB32);
        depart.fill(BLANC);
        QPainter peintre(&depart);
        peintre.fillRect(40, 40, 100, 100, QColor(BLEU));
        peintre.setPen(QColor(ROUGE));
        peintre.drawLine(200, 0, 362, 162); // a diagonal wall closes the corner for 4-neighbours
        peintre.end();
        TCanvas canvas(affichage, depart.size());
        canvas.Draw(0, 0, depart);

        canvas.setBrushColor(ROUGE); // brush and border alike: still the whole region
        canvas.FloodFill(1, 1, ROUGE);
        QVERIFY(uni(canvas.image(), QRect(0, 0, 200, 363), ROUGE));
        QVERIFY2(uni(canvas.image(), QRect(340, 0, 23, 10), BLANC), "behind the diagonal wall");
    }
};

QTEST_MAIN(TestGrille)
#include "test_grille.moc"
