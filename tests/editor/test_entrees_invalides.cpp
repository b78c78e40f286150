#include "Fenetre.h"

// The README's table of bad inputs, a row each: what is prepared, then what is done and the boxes
// it shows, naming what they refuse. Each leaves the level, the grid (as it is, and once cleared),
// the icon preview and the folder as they were.
class TestEntreesInvalides : public Fenetre {
    Q_OBJECT

    QStringList etat()
    {
        const auto grille = [this] {
            return QString::number(qHashBits(surface().bits(), surface().sizeInBytes()));
        };
        QStringList etat = {QString::fromLatin1(texteNiveau(niveau, FormeProfondeur::Entiere)),
                            grille(), couleur(widget<QLabel>("Icone")->pixmap().toImage())};
        QTest::mouseClick(widget("effacement"), Qt::LeftButton);
        etat << grille();
        for (const QFileInfo& entree : QDir().entryInfoList(QDir::AllEntries | QDir::System |
                                                            QDir::Hidden | QDir::NoDotAndDotDot)) {
            QFile fichier(entree.fileName());
            const bool lisible =
                entree.isFile() && !entree.isSymLink() && fichier.open(QIODevice::ReadOnly);
            etat << entree.fileName() + ' ' + (lisible ? fichier.read(1 << 16) : "");
        }
        boites.journal.clear(); // the clearing's own boxes
        return etat;
    }

private slots:
    void refusee_data()
    {
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<QString>("action");
        const auto ligne = [](const char* nom, const char* preparation, const char* action) {
            QTest::newRow(nom) << QString(preparation) << QString(action);
        };
        ligne("icône d'octets quelconques", "écrire corrompue.ico pas une icône; aller ",
              "icône corrompue.ico; case 4 4; ICÔNE corrompue.ico; ICÔNE corrompue.ico");
        ligne("icône vide", "écrire vide.ico; aller ",
              "icône vide.ico; case 4 4; ICÔNE vide.ico; ICÔNE vide.ico");
        ligne("icône dont l'image annonce plus de 256 × 256", "ico 300:bleu geante.ico",
              "icône geante.ico; case 4 4; ICÔNE geante.ico; ICÔNE geante.ico");
        ligne("icône effacée depuis la liste", "sh rm boss.ico",
              "icône boss.ico; case 4 4; ICÔNE boss.ico; ICÔNE boss.ico");
        ligne("icône devenue lien vers /dev/zero", "sh ln -sf /dev/zero boss.ico",
              "icône boss.ico; case 4 4; ICÔNE boss.ico; ICÔNE boss.ico");
        ligne("fond corrompu", "écrire corrompu.bmp BM pas une image",
              "» corrompu.bmp; menu background1; FOND corrompu.bmp");
        ligne("fond coupé court", "sh head -c 4096 fond.bmp >tronque.bmp",
              "» tronque.bmp; menu background1; FOND tronque.bmp");
        // The header's width and height, 4 bytes each from byte 18, in octal.
        ligne("fond de 30000 × 30000",
              "sh cp fond.bmp g.bmp && printf '\\060\\165\\0\\0\\060\\165\\0\\0' | dd of=g.bmp "
              "bs=1 seek=18 conv=notrunc status=none",
              "» g.bmp; menu background1; FOND g.bmp");
        ligne("fond de côté INT_MIN",
              "sh cp fond.bmp m.bmp && printf '\\0\\0\\0\\200\\0\\0\\0\\200' | dd of=m.bmp bs=1 "
              "seek=18 conv=notrunc status=none",
              "» m.bmp; menu background1; FOND m.bmp");
        ligne("fond FIFO", "sh mkfifo fifo.bmp", "» fifo.bmp; menu background1; FOND fifo.bmp");
        ligne("fond lien vers /dev/zero", "sh ln -s /dev/zero zero.bmp",
              "» zero.bmp; menu background1; FOND zero.bmp");
        ligne("fond en usage effacé depuis", // the icons go with the first clearing
              "sh rm fond.bmp; clic effacement; FOND fond.bmp", "clic effacement; FOND fond.bmp");
        ligne("durée abc", "", "durée abc; touche Tab; =boîte erreur: 'abc' n'est pas");
        ligne("profondeur -40.5", "",
              "» -40.5; menu changerlaprofondeur1; =boîte saisie; =boîte erreur: '-40.5'");
        ligne("profondeur 99999999999", "",
              "» 99999999999; menu changerlaprofondeur1; =boîte saisie; =boîte erreur: '999");
        ligne("chemin de 255 octets", "", "» N250n; SOUS; =boîte erreur: Ce chemin … N250n.txt");
        ligne("chemin à saut de ligne", "", "» a\nb; SOUS; =boîte erreur: Ce chemin … a\nb.txt");
        ligne("un dossier à la place du fichier", "sh mkdir d.txt",
              "» d.txt; SOUS; =boîte erreur: Impossible d'écrire le fichier … d.txt");
        ligne("un dossier absent", "",
              "» absent/n; SOUS; =boîte erreur: Impossible d'écrire le fichier … absent/n.txt");
        ligne("ennemi.tmp dossier, placer", "sh mkdir ennemi.tmp",
              "case 4 4; =boîte message: TEMPORAIRE");
        ligne("ennemi.tmp lien, enregistrer", "écrire victime intacte; sh ln -s victime ennemi.tmp",
              "touche Ctrl+S; =boîte erreur: TEMPORAIRE");
        ligne("ennemi.tmp lien cassé, placer", "sh ln -s absent ennemi.tmp",
              "case 4 4; =boîte message: TEMPORAIRE");
        ligne("ennemi.tmp FIFO, enregistrer", "sh mkfifo ennemi.tmp",
              "touche Ctrl+S; =boîte erreur: TEMPORAIRE");
        ligne("icône à tabulation", "ico 32:vert ta\tb.ico",
              "icône ta\tb.ico; case 4 4; =boîte message: « ta\tb.ico » ne peut pas");
        ligne("icône à saut de ligne", "ico 32:vert ta\nb.ico",
              "icône ta\nb.ico; case 4 4; =boîte message: « ta\nb.ico » ne peut pas");
        ligne("icône hors Windows-1252", "ico 32:vert 日本.ico",
              "icône 日本.ico; case 4 4; =boîte message: « 日本.ico » ne peut pas");
        ligne("icône à balises", "sh ln -s /dev/zero zero; ico 32:vert <img src=zero>日.ico",
              "icône <img src=zero>日.ico; case 4 4; =boîte message: « <img src=zero>日.ico »");
        ligne("type à tabulation dans la liste", "touche Ctrl+L",
              "touche Right; touche Right; touche F2; taper ta\tb; touche Return; =boîte message: "
              "« ta\tb » ne peut pas");
        ligne("type hors Windows-1252 dans la liste", "touche Ctrl+L",
              "touche Right; touche Right; touche F2; taper 日本; touche Return; =boîte message: "
              "« 日本 » ne peut pas");
        ligne("type vide dans la liste", "touche Ctrl+L",
              "touche Right; touche Right; touche F2; touche Backspace; touche Return; =boîte "
              "message: Le type d'un ennemi ne peut pas être vide.");
        ligne("temps abc dans la liste", "touche Ctrl+L",
              "touche Right; touche F2; taper abc; touche Return; =boîte message: « abc » n'est "
              "pas un temps");
        ligne("temps -1 dans la liste", "touche Ctrl+L",
              "touche Right; touche F2; taper -1; touche Return; =boîte message: « -1 »");
        ligne("temps 12,555 dans la liste", "touche Ctrl+L",
              "touche Right; touche F2; taper 12,555; touche Return; =boîte message: « 12,555 »");
        ligne("x 6 dans la liste", "touche Ctrl+L",
              "touche Right; touche Right; touche Right; touche F2; taper 6; touche Return; "
              "=boîte message: « 6 » n'est pas une position");
        ligne("texte d'un autre programme collé", "presse-papiers [Desktop Entry]|Name=Autre|",
              "menu CollerautempsT1; =boîte message: Le presse-papiers ne contient pas d'ennemis "
              "à coller :\nligne 1 : on attendait quatre champs séparés par des tabulations");
        ligne("type hors Windows-1252 collé", "presse-papiers 0\ttank\t0\t0|1\t日本\t0\t0",
              "menu CollerautempsT1; =boîte message: Le presse-papiers … ligne 2 : on attendait "
              "un type d'ennemi en Windows-1252 … Aucun ennemi n'a été collé.");
        ligne("trop d'ennemis collés",
              "case 2 2 98; clic effacement; presse-papiers 0\ttank\t0\t0|0\ttank\t1\t0",
              "menu CollerautempsT1; =boîte message: Trop d'ennemis tue l'ennemi !");
        ligne("un ennemi au temps 10^30",
              "écrire t.txt N|100|1|0\t1000000000000000000000000000000.00\ttank\t0.00\t0.00\t-1|; "
              "» t.txt; touche Ctrl+O",
              "touche Ctrl+L; =bulle 9999 s : 1 ennemi — tank; =barre 9999 orange");
        ligne("nom du niveau à tabulation", "",
              "» ta\tb; clic NomNiveau; =boîte saisie; =boîte message: « ta\tb » ne peut pas");
        ligne("nom du niveau à saut de ligne", "",
              "» ta\nb; clic NomNiveau; =boîte saisie; =boîte message: « ta\nb » ne peut pas");
        ligne("nom du niveau hors Windows-1252", "",
              "» \u0081; clic NomNiveau; =boîte saisie; =boîte message: « \u0081 » ne peut pas");
        ligne("niveau FIFO", "sh mkfifo fifo.txt", "» fifo.txt; touche Ctrl+O; NIVEAU fifo.txt");
        ligne("niveau de 1 Gio", "sh truncate -s 1G gros.txt",
              "» gros.txt; touche Ctrl+O; NIVEAU gros.txt");
        ligne("texte d'un autre programme", "écrire autre.txt [Desktop Entry]|Name=Autre|",
              "» autre.txt; touche Ctrl+O; NIVEAU autre.txt");
        ligne("profondeurs mêlées",
              "écrire mele.txt N|100|2|0\t0.00\ttank\t0.00\t0.00\t-100|1\t0.00\ttank\t0.00\t0.00"
              "\t-100.00|",
              "» mele.txt; touche Ctrl+O; NIVEAU mele.txt … ligne 5");
        ligne("un nombre d'ennemis qui ment",
              "écrire ment.txt N|100|2|0\t0.00\ttank\t0.00\t0.00\t-100|",
              "» ment.txt; touche Ctrl+O; NIVEAU ment.txt … ligne 5");
    }

    void refusee()
    {
        QFETCH(QString, preparation);
        QFETCH(QString, action);
        jouer("aller ; icône tank.ico; case 4 4; » fond.bmp; menu background1; » niveau.txt; "
              "SOUS; SUCCÈS niveau.txt; " +
              preparation);
        const QStringList avant = etat();
        jouer(action);
        QCOMPARE(etat(), avant);
    }
};

QTEST_MAIN(TestEntreesInvalides)
#include "test_entrees_invalides.moc"
