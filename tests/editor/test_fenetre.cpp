#include "Fenetre.h"
#include "TCSpinEdit.h"
#include "TFileListBox.h"
#include "Unit_aide.h"
#include "conversions.h"
#include "demarrage.h"
#include "erreurs.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

// Start-up, menus, the standard error path, the help window and quitting.
class TestFenetre : public QObject {
    Q_OBJECT

private slots:
    void demarreSurLeNiveauParDefaut()
    {
        preparerApplication(*qApp);
        QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Ombrelin"));
        const QDialogButtonBox boutons(QDialogButtonBox::Cancel);
        QCOMPARE(boutons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));

        Fenetre f;
        niveau.profondeur = 7; // a previous window's level must not leak into a new one
        TForm1& form = f.ouvrir();
        QCOMPARE(form.windowTitle(), QStringLiteral("Ombrelin : Quorvane"));
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(f.widget<QLabel>("NomNiveau")->text(), QStringLiteral("Niveau_1"));
        QCOMPARE(f.widget<QLabel>("labelNbEnn")->text(),
                 QStringLiteral("nombre total d'ennemis : 0/100"));
        QCOMPARE(f.widget<QLineEdit>("DureeMission")->text(), QStringLiteral("100"));
        QCOMPARE(f.widget<TCSpinEdit>("tempsT")->Value(), 0);
        QCOMPARE(f.widget<TCSpinEdit>("tempsT")->MaxValue(), 100);
        QCOMPARE(QApplication::focusWidget(), f.widget<QLineEdit>("DureeMission"));

        QCOMPARE(niveau.nom, std::string("Niveau_1"));
        QCOMPARE(niveau.duree, 100);
        QCOMPARE(niveau.profondeur, -100);
        QCOMPARE(niveau.nbEnnemis, 0);
    }

    void lesLegendesSontEntieresEtEnCouleur()
    {
        Fenetre f;
        f.ouvrir();
        const struct {
            const char* nom;
            int pixels;
            QRgb couleur;
        } legendes[] = {{"NomNiveau", 24, qRgb(255, 0, 0)},
                        {"labelNbEnn", 11, qRgb(0, 0, 0)},
                        {"Label1", 11, qRgb(0, 0, 255)},
                        {"Label2", 11, qRgb(0, 128, 128)}};
        for (const auto& legende : legendes) {
            const QLabel* etiquette = f.widget<QLabel>(legende.nom);
            QCOMPARE(QFontInfo(etiquette->font()).pixelSize(), legende.pixels);
            QVERIFY2(etiquette->font().bold(), legende.nom);
            QCOMPARE(etiquette->palette().color(QPalette::WindowText).rgb(), legende.couleur);
        }
        for (const char* nom : {"NomNiveau", "labelNbEnn", "Label1", "Label2", "Label3"}) {
            const QLabel* etiquette = f.widget<QLabel>(nom);
            QVERIFY2(etiquette->sizeHint().width() <= etiquette->width(), nom);
            QVERIFY2(etiquette->fontMetrics().height() <= etiquette->height() + 1, nom);
        }
        const QPushButton* effacement = f.widget<QPushButton>("effacement");
        QCOMPARE(effacement->text(), QStringLiteral("Effacer ennemis"));
        QCOMPARE(effacement->toolTip(), QStringLiteral("Uniquement a l'ecran !"));
        QCOMPARE(f.widget<QLabel>("NomNiveau")->toolTip(),
                 QStringLiteral("Nom du niveau, clickez pour le changer !"));
    }

    void laTabulationSuitLOrdreDeLaFenetre()
    {
        Fenetre f;
        f.ouvrir();
        QStringList ordre;
        for (int i = 0; i < 6; ++i) {
            ordre << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(ordre, (QStringList{"DureeMission", "Grille", "fichiers", "dossiers", "tempsT",
                                     "effacement"}));
    }

    void menusEtRaccourci()
    {
        Fenetre f;
        TForm1& form = f.ouvrir();
        const QList<QAction*> barre = form.menuBar()->actions();
        QCOMPARE(barre.size(), 3);
        QCOMPARE(barre[0]->text(), QStringLiteral("&Fichier"));
        QCOMPARE(barre[1]->text(), QStringLiteral("&Options"));
        QCOMPARE(barre[2]->text(), QStringLiteral("&Aide"));
        QVERIFY2(barre[2]->menu() == nullptr, "Aide acts at once, without a submenu");

        QStringList fichier;
        for (const QAction* action : barre[0]->menu()->actions()) {
            fichier << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(fichier,
                 (QStringList{"&Enregistrer", "Enre&gistrer le niveau sous ...", "-", "&Quitter"}));
        QStringList options;
        for (const QAction* action : barre[1]->menu()->actions()) {
            options << action->text();
        }
        QCOMPARE(options, (QStringList{"&Profondeur", "&Background"}));

        // Ctrl+S with no file chosen yet opens the save dialog of Save As.
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.boites.filtresDialogues, std::vector<QString>{"fichier map (*.txt)"});
    }

    void uneErreurDeConversionArreteLeGestionnaireSeulement()
    {
        Fenetre f;
        TForm1& form = f.ouvrir();
        f.boites.reponsesSaisie = {QStringLiteral("abc"), QStringLiteral("-40")};
        f.widget<QAction>("changerlaprofondeur1")->trigger();
        QCOMPARE(f.boites.erreurs,
                 QStringList{QStringLiteral("'abc' n'est pas une valeur entière correcte.")});
        QCOMPARE(niveau.profondeur, -100);
        QVERIFY(form.isVisible());

        f.widget<QAction>("changerlaprofondeur1")->trigger();
        QCOMPARE(niveau.profondeur, -40);
        QCOMPARE(f.boites.erreurs.size(), 1);
    }

    void entiersCommeLeToolkit()
    {
        QCOMPARE(StrToInt("12"), 12);
        QCOMPARE(StrToInt("-7"), -7);
        QCOMPARE(StrToInt("+3"), 3);
        QCOMPARE(StrToInt("2147483647"), 2147483647);
        QCOMPARE(StrToInt("-2147483648"), -2147483647 - 1);
        for (const char* texte : {"", "-", "+", " 1", "1 ", "1.5", "0x10", "2147483648", "١٢"}) {
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(QString::fromUtf8(texte)));
        }
        QCOMPARE(IntToStr(-100), QStringLiteral("-100"));
    }

    void textesEnWindows1252()
    {
        QCOMPARE(versAnsi(QStringLiteral("été")), std::string("\xE9t\xE9"));
        QCOMPARE(versAnsi(QStringLiteral("€ Œuvre – ÿ")), std::string("\x80 \x8Cuvre \x96 \xFF"));
        QCOMPARE(versAnsi(QString()), std::string());
        for (const char* texte : {"ā", "\xC2\x81", "😀", "日本"}) {
            QCOMPARE(versAnsi(QString::fromUtf8(texte)), std::nullopt);
        }
    }

    void lesIconesSontListeesSansEgardALaCasse()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", qRgb(0, 128, 0));
        Fenetre::creerIcone("BOSS.ICO", qRgb(0, 0, 128));
        Fenetre::creerIcone(".ico", qRgb(0, 0, 128));
        Fenetre::creerIcone(".boss.ico", qRgb(0, 0, 128));
        QFile::link(f.chemin("tank.ico"), f.chemin("lien.ico"));
        QFile::link(f.chemin("absent"), f.chemin("casse.ico"));
        QDir().mkdir(f.chemin("dossier.ico"));
        QFile(f.chemin("notes.txt")).open(QIODevice::WriteOnly);
        f.ouvrir();
        const TFileListBox* fichiers = f.widget<TFileListBox>("fichiers");
        QStringList noms;
        for (int i = 0; i < fichiers->model()->rowCount(); ++i) {
            noms << fichiers->model()->index(i, 0).data().toString();
        }
        QCOMPARE(noms, (QStringList{".boss.ico", ".ico", "BOSS.ICO", "lien.ico", "tank.ico"}));
        QCOMPARE(fichiers->FileName(), QString());
    }

    void aideModaleFermeeParOKOuParLeCadre()
    {
        Fenetre f;
        TForm1& form = f.ouvrir();
        QVERIFY2(form.findChild<TFaide*>() == nullptr, "made when first asked for");
        const QRect aide = form.menuBar()->actionGeometry(form.menuBar()->actions()[2]);
        QTest::mouseClick(form.menuBar(), Qt::LeftButton, {}, aide.center());
        QCOMPARE(f.boites.fenetresModales.size(), 1u);
        QDialog* faide = f.boites.fenetresModales[0];
        QVERIFY(qobject_cast<TFaide*>(faide) != nullptr);
        QCOMPARE(faide->windowTitle(), QStringLiteral("Aide sur l'Ombrelin pour Quorvane"));
        QCOMPARE(faide->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("1 - Si vous rajouter un icône dans le dossier \"icones\",         "
                                "vérifier que le fichier ASE dans le jeu posséde le            "
                                "même nom !"));
        QCOMPARE(faide->findChild<QLabel*>("Label2")->text(),
                 QStringLiteral("2 - Définissez la durée de la mission avant de placer vos      "
                                "ennemis : si le temps d'apparition est supérieur à la          "
                                "durée de la mission alors les ennemis ne seront pas         "
                                "pris en compte !"));
        // Each run of spaces ends a line, whatever the font's widths: count the bands of ink.
        const auto lignesPeintes = [faide](const char* nom, int pixels) {
            QLabel* legende = faide->findChild<QLabel*>(nom);
            QFont police = legende->font();
            police.setPixelSize(pixels);
            legende->setFont(police);
            const QImage image = legende->grab().toImage();
            int lignes = 0;
            bool dansLigne = false;
            for (int y = 0; y < image.height(); ++y) {
                bool encre = false;
                for (int x = 0; x < image.width() && !encre; ++x) {
                    encre = qGray(image.pixel(x, y)) < 128;
                }
                lignes += encre && !dansLigne;
                dansLigne = encre;
            }
            return lignes;
        };
        for (const int pixels : {9, 11}) {
            QCOMPARE(lignesPeintes("Label1", pixels), 3);
            QCOMPARE(lignesPeintes("Label2", pixels), 4);
        }
        QCOMPARE(faide->size(), QSize(287, 161)); // 295 × 184 with the frame
        QVERIFY2(!faide->findChild<QLabel*>("Label1")->font().bold(),
                 "the main window's styled labels share names with these, not their style");
        QVERIFY(faide->isVisible());
        QTest::mouseClick(faide->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        QVERIFY(!faide->isVisible());

        form.findChild<QAction*>("Aide1")->trigger();
        QCOMPARE(f.boites.fenetresModales.size(), 2u);
        QCOMPARE(f.boites.fenetresModales[1], faide);
        QVERIFY(faide->close());
        QVERIFY(!faide->isVisible());
        QVERIFY(form.isVisible());
    }

    void quitterFermeSansRienDemander()
    {
        Fenetre f;
        Fenetre::creerIcone("tank.ico", qRgb(0, 128, 0));
        TForm1& form = f.ouvrir();
        placerEnnemi(niveau, 5, 5, 3, "tank.ico");
        f.widget<QAction>("Quitter1")->trigger();
        QVERIFY(!form.isVisible());
        QVERIFY(f.boites.messages.isEmpty());
        QVERIFY(f.boites.saisies.empty());
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
