#include "Fenetre.h"
#include "Unit_aide.h"
#include "conversions.h"
#include "demarrage.h"
#include "erreurs.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <climits>

// Start-up, menus, help window, quitting, and the rules of the duration, time, name and depth
// fields, through real focus and key events.
class TestFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<Fenetre> f;
    QLineEdit* duree = nullptr;
    TCSpinEdit* tempsT = nullptr;

    // Enters the duration field, types a text over its own and leaves it.
    void saisirDuree(const QString& texte) const
    {
        f->taper("DureeMission", texte);
        QTest::keyClick(duree, Qt::Key_Tab);
    }

private slots:
    void init()
    {
        niveau.profondeur = 7; // a previous window's level must not leak into a new one
        f = std::make_unique<Fenetre>();
        duree = f->widget<QLineEdit>("DureeMission");
        tempsT = f->widget<TCSpinEdit>("tempsT");
    }

    void cleanup() { f.reset(); }

    void demarreSurLeNiveauParDefautEnFrancais()
    {
        preparerApplication(*qApp);
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).buttons()[0]->text(), "Annuler");
        const QStringList vu = {f->form->windowTitle(),
                                f->widget<QLabel>("NomNiveau")->text(),
                                f->widget<QLabel>("labelNbEnn")->text(),
                                duree->text(),
                                tempsT->text(),
                                QString::number(tempsT->MaxValue()),
                                QString::fromStdString(niveau.nom),
                                QStringLiteral("%1 %2 %3")
                                    .arg(niveau.duree)
                                    .arg(niveau.profondeur)
                                    .arg(niveau.nbEnnemis)};
        QCOMPARE(vu,
                 (QStringList{"Ombrelin : Quorvane", "Niveau_1", "nombre total d'ennemis : 0/100",
                              "100", "0", "100", "Niveau_1", "100 -100 0"}));
        QStringList ordre; // focus starts on the duration, then follows the layout's tab order
        for (int i = 0; i < 6; ++i) {
            ordre << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(ordre, (QStringList{"DureeMission", "Grille", "fichiers", "dossiers", "tempsT",
                                     "effacement"}));
    }

    void menusEtRaccourci()
    {
        QStringList menus;
        for (const QAction* barre : f->form->menuBar()->actions()) {
            menus << barre->text();
            for (const QAction* action :
                 barre->menu() ? barre->menu()->actions() : QList<QAction*>()) {
                menus << (action->isSeparator() ? "-"
                                                : action->text() + action->shortcut().toString());
            }
        }
        QCOMPARE(menus,
                 (QStringList{"&Fichier", "&EnregistrerCtrl+S", "Enre&gistrer le niveau sous ...",
                              "-", "&Quitter", "&Options", "&Profondeur", "&Background", "&Aide"}));
        QTest::keyClick(f->form.get(), Qt::Key_S, Qt::ControlModifier); // no file yet: Save As
        QCOMPARE(f->boites.journal, QStringList{"dialogue: fichier map (*.txt)"});
        niveau.nbEnnemis = 1;
        f->declencher("Quitter1"); // unsaved enemies: no question
        QVERIFY(!f->form->isVisible());
        QCOMPARE(f->boites.journal.size(), 1);
    }

    void aideModaleFermeeParOKOuParLeCadre()
    {
        QVERIFY2(f->form->findChild<TFaide*>() == nullptr, "made when first asked for");
        QMenuBar* barre = f->form->menuBar();
        QTest::mouseClick(barre, Qt::LeftButton, {},
                          barre->actionGeometry(barre->actions()[2]).center());
        QCOMPARE(f->boites.modales.size(), 1u);
        auto* faide = qobject_cast<TFaide*>(f->boites.modales[0]);
        QVERIFY(faide != nullptr && faide->isVisible());
        QCOMPARE(faide->windowTitle(), "Aide sur l'Ombrelin pour Quorvane");
        QCOMPARE(faide->size(), QSize(287, 161)); // 295 × 184 with the frame
        const struct {
            const char* nom;
            QString legende;
            int lignes; // each run of spaces ends one, whatever the font's widths
        } legendes[] = {
            {"Label1",
             "1 - Si vous rajouter un icône dans le dossier \"icones\",         vérifier que le "
             "fichier ASE dans le jeu posséde le            même nom !",
             3},
            {"Label2",
             "2 - Définissez la durée de la mission avant de placer vos      ennemis : si le temps "
             "d'apparition est supérieur à la          durée de la mission alors les ennemis ne "
             "seront pas         pris en compte !",
             4}};
        for (const auto& l : legendes) {
            auto* label = faide->findChild<QLabel*>(l.nom);
            QCOMPARE(label->text(), l.legende);
            for (const int pixels : {9, 11}) {
                QFont police = label->font();
                police.setPixelSize(pixels);
                label->setFont(police);
                const QImage image = label->grab().toImage();
                int lignes = 0;
                for (int y = 0, avant = 0; y < image.height(); ++y) {
                    int encre = 0;
                    for (int x = 0; x < image.width(); ++x) {
                        encre |= qGray(image.pixel(x, y)) < 128;
                    }
                    lignes += encre && !avant;
                    avant = encre;
                }
                QCOMPARE(lignes, l.lignes);
            }
        }
        QTest::mouseClick(faide->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        QVERIFY(!faide->isVisible());
        f->declencher("Aide1"); // the same window again, closed from its frame
        QCOMPARE(f->boites.modales.back(), faide);
        QVERIFY(faide->close() && !faide->isVisible() && f->form->isVisible());
    }

    void conversionsCommeLeToolkit()
    {
        const struct {
            const char* texte;
            int valeur;
        } entiers[] = {
            {"12", 12}, {"-7", -7}, {"+3", 3}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}};
        for (const auto& e : entiers) {
            QCOMPARE(StrToInt(e.texte), e.valeur);
        }
        for (const char* texte : {"", "-", "+", " 1", "1 ", "1.5", "0x10", "2147483648", "١٢"}) {
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(QString::fromUtf8(texte)));
        }
        QCOMPARE(versAnsi("€ Œuvre – ÿ été ‘\u00A0"),
                 std::string("\x80 \x8Cuvre \x96 \xFF \xE9t\xE9 \x91\xA0"));
        for (const char* texte : {"ā", "\xC2\x81", "😀", "日本"}) {
            QCOMPARE(versAnsi(QString::fromUtf8(texte)), std::nullopt);
        }
    }

    void laDureeBorneLeTempsEtRevientSiVidee()
    {
        f->taper("tempsT", "80");
        saisirDuree("50");
        QVERIFY(niveau.duree == 50 && tempsT->MaxValue() == 50 && tempsT->Value() == 50);
        saisirDuree(""); // emptied: the value on entry comes back, without a message
        QCOMPARE(duree->text(), "50");
        f->taper("tempsT", "70"); // above the bound: the bound at once
        QCOMPARE(tempsT->Value(), 50);
        saisirDuree("0");
        QTest::keyClick(tempsT, Qt::Key_Up);
        QCOMPARE(tempsT->Value(), 0);
        QVERIFY(f->boites.journal.isEmpty());

        saisirDuree("abc");
        QCOMPARE(f->boites.journal,
                 QStringList{"erreur: 'abc' n'est pas une valeur entière correcte."});
        QVERIFY(niveau.duree == 0 && tempsT->MaxValue() == 0 && duree->text() == "abc");
        QTest::mouseClick(duree, Qt::LeftButton); // entering it again fails too
        QCOMPARE(f->boites.compte("erreur"), 2);
        saisirDuree("");
        QCOMPARE(duree->text(), "0");
    }

    void leTempsHorsBornesRevientACeluiDeLEntree()
    {
        const struct {
            const char* tape;
            int garde; // on leaving
        } cas[] = {{"-1", 10}, {"0", 0}, {"100", 100}, {"-5", 10}};
        for (const auto& c : cas) {
            f->taper("tempsT", "10");
            QTest::keyClick(tempsT, Qt::Key_Tab);
            f->taper("tempsT", c.tape);
            QCOMPARE(tempsT->text(), c.tape); // the field itself does not clamp below
            QTest::keyClick(tempsT, Qt::Key_Tab);
            QCOMPARE(tempsT->Value(), c.garde);
        }
        f->taper("tempsT", "");
        QCOMPARE(tempsT->text(), "10"); // emptied: its value on entry
    }

    void changerLeTempsEffaceLAffichageUneFois()
    {
        f->taper("tempsT", "10");
        f->choisirIcone("tank.ico");
        f->cliquerCellule(2, 2);
        QTest::mouseClick(tempsT, Qt::LeftButton, {}, QPoint(5, 10));
        QTest::keyClick(tempsT, Qt::Key_Home);
        QTest::keyClick(tempsT, Qt::Key_0); // "010": the same value, the icons stay
        QVERIFY(!f->uni(BLANC));
        QTest::keyClick(tempsT, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(tempsT, "3");
        QVERIFY(f->uni(BLANC));
        QCOMPARE(niveau.nbEnnemis, 1);

        QImage fond(363, 363, QImage::Format_RGB32);
        fond.fill(VERT);
        fond.save("fond.bmp");
        f->boites.reponses = {f->chemin("fond.bmp")};
        f->declencher("background1");
        QFile::remove("fond.bmp"); // each clearing now fails: one keystroke, one error box
        QTest::keyClicks(tempsT, "00");
        QCOMPARE(tempsT->Value(), 100);
        QCOMPARE(f->boites.compte("erreur"), 2);
    }

    void renommerLeNiveau()
    {
        auto* nom = f->widget<QLabel>("NomNiveau");
        const struct {
            QString reponse, nom;
            int messages;
        } cas[] = {{"  Forêt d'été ", "  Forêt d'été ", 0},
                   {BoitesScriptees::ANNULER, "  Forêt d'été ", 0},
                   {"", "", 0},
                   {"ta\tb", "", 1},
                   {"日本", "", 2},
                   {"<b>Boss</b>", "<b>Boss</b>", 2}};
        for (const auto& c : cas) {
            f->boites.reponses = {c.reponse};
            QTest::mouseClick(nom, Qt::LeftButton);
            QCOMPARE(nom->text(), c.nom);
            QCOMPARE(niveau.nom, versAnsi(c.nom).value());
            QCOMPARE(f->boites.compte("message"), c.messages);
        }
        QCOMPARE(f->boites.journal[0],
                 "saisie: Choix du nom pour le niveau|Entrer un nom : |Niveau_1");
        QVERIFY(f->boites.journal.filter("message: ")
                    .last()
                    .endsWith("de Windows-1252, que le jeu ne sait pas lire.\nLe nom du niveau n'a "
                              "pas changé."));
        // Shown as typed, tags and all, not as bold text.
        QVERIFY(nom->sizeHint().width() >= nom->fontMetrics().horizontalAdvance("<b>Boss</b>"));
    }

    void changerLaProfondeur()
    {
        f->boites.reponses = {"5", BoitesScriptees::ANNULER, "abc", "-40.5"};
        for (int i = 0; i < 4; ++i) {
            f->declencher("changerlaprofondeur1");
        }
        QCOMPARE(f->boites.journal[0],
                 "saisie: Apparition des ennemis|Profondeur en z ( -10<...<-100 ) : |-100");
        QCOMPARE(f->boites.journal.filter(" : |5").size(), 3); // the depth in use, then 5
        QCOMPARE(f->boites.journal.filter("n'est pas une valeur entière correcte.").size(), 2);
        QCOMPARE(niveau.profondeur, 5);
    }

    void niUneAutreFenetreNiLaBarreDeMenusNeFontSortir()
    {
        f->taper("DureeMission", "");
        QWidget autre;
        autre.show();
        QApplication::setActiveWindow(&autre);
        QVERIFY(QTest::qWaitForWindowActive(&autre));
        autre.close();
        QApplication::setActiveWindow(f->form.get());
        QVERIFY(QTest::qWaitForWindowActive(f->form.get()));
        // The menu bar takes the keyboard, Escape gives it back.
        QTest::keyClick(duree, Qt::Key_Alt);
        QVERIFY(qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), duree);
        QCOMPARE(duree->text(), ""); // still being edited: nothing restored
        QTest::keyClicks(duree, "7");
        QTest::keyClick(duree, Qt::Key_Tab);
        QCOMPARE(niveau.duree, 7);
        QVERIFY(f->boites.journal.isEmpty());
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
