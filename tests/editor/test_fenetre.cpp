#include "Fenetre.h"
#include "Unit_aide.h"
#include "conversions.h"
#include "demarrage.h"
#include "erreurs.h"

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>

#include <climits>

namespace {

// How many lines of dark ink a picture of text holds, top to bottom.
int lignesDEncre(const QImage& image)
{
    const QImage gris = image.convertToFormat(QImage::Format_Grayscale8);
    int lignes = 0;
    for (int y = 0, avant = 0; y < gris.height(); ++y) {
        const int encre =
            *std::min_element(gris.constScanLine(y), gris.constScanLine(y) + gris.width()) < 128;
        lignes += encre && !avant;
        avant = encre;
    }
    return lignes;
}

} // namespace

// Start-up, help window, quitting, and the rules of the duration, time, name and depth fields.
class TestFenetre : public Fenetre {
    Q_OBJECT

private slots:
    void demarreSurLeNiveauParDefautEtQuitteSansQuestion()
    {
        preparerApplication(*qApp);
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).buttons()[0]->text(), "Annuler");
        QVERIFY(niveau.nom == "Niveau_1" && niveau.duree == 100 && niveau.profondeur == -100);
        declencher("Quitter1"); // nothing changed: no question
        QVERIFY(!form->isVisible() && boites.journal.isEmpty());
    }

    void aideFermeeParOK()
    {
        declencher("Aide1");
        auto* faide = qobject_cast<TFaide*>(boites.modale);
        QVERIFY(faide != nullptr && faide->isVisible());
        QCOMPARE(faide->windowTitle(), "Aide sur l'Ombrelin pour Quorvane");
        QCOMPARE(faide->size(), QSize(287, 161)); // 295 × 184 with the frame
        // Each run of spaces in a caption ends a line, whatever the font's widths.
        for (const auto& [nom, lignes] : {std::pair("Label1", 3), std::pair("Label2", 4)}) {
            auto* label = faide->findChild<QLabel*>(nom);
            for (const int pixels : {9, 11}) {
                QFont police = label->font();
                police.setPixelSize(pixels);
                label->setFont(police);
                QCOMPARE(lignesDEncre(label->grab().toImage()), lignes);
            }
        }
        QTest::mouseClick(faide->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
        QVERIFY(!faide->isVisible());
    }

    // The integers the fields take, as the toolkit reads them; the README's bad inputs among them.
    void entiersCommeLeToolkit()
    {
        const std::pair<const char*, std::optional<int>> cas[] = {
            {"-7", -7},  {"+3", 3},           {"abc", {}}, {"-", {}},  {" 7", {}},
            {"12.", {}}, {"99999999999", {}}, {"", {}},    {"١٢", {}}, {"-2147483648", INT_MIN}};
        for (const auto& [texte, valeur] : cas) {
            std::optional<int> lu;
            try {
                lu = StrToInt(QString::fromUtf8(texte));
            } catch (const EConvertError&) {
            }
            QCOMPARE(lu, valeur);
        }
    }

    // Leaving the duration sets the level's duration and bounds T; a text that is no integer
    // keeps both, and is refused again each time the field is entered.
    void laDureeBorneLeTempsEtRevientSiVidee()
    {
        auto* tempsT = widget<TCSpinEdit>("tempsT");
        taper("tempsT", "80");
        saisir("DureeMission", "50");
        QVERIFY(niveau.duree == 50 && tempsT->MaxValue() == 50 && tempsT->Value() == 50);
        saisir("DureeMission", ""); // emptied: the value on entry comes back, without a message
        QCOMPARE(widget<QLineEdit>("DureeMission")->text(), "50");
        QVERIFY(boites.journal.isEmpty());
        saisir("DureeMission", "abc");
        QCOMPARE(boites.journal,
                 QStringList{"erreur: 'abc' n'est pas une valeur entière correcte."});
        QVERIFY(niveau.duree == 50 && tempsT->MaxValue() == 50);
        QTest::mouseClick(widget("DureeMission"), Qt::LeftButton);
        QCOMPARE(boites.journal.size(), 2);
    }

    void leTempsHorsBornesRevientACeluiDeLEntree()
    {
        auto* tempsT = widget<TCSpinEdit>("tempsT");
        for (const auto& [tape, garde] : {std::pair("-1", 10), {"0", 0}, {"100", 100}}) {
            saisir("tempsT", "10");
            taper("tempsT", tape);
            QCOMPARE(tempsT->text(), tape); // the field itself does not clamp below
            QTest::keyClick(tempsT, Qt::Key_Tab);
            QCOMPARE(tempsT->Value(), garde);
        }
    }

    // A keystroke that changes T clears the display once, even when the value is then clamped.
    void changerLeTempsEffaceLAffichageUneFois()
    {
        taper("tempsT", "10");
        choisirIcone("tank.ico");
        cliquerCellule(2, 2);
        auto* tempsT = widget<TCSpinEdit>("tempsT");
        QTest::mouseClick(tempsT, Qt::LeftButton, {}, QPoint(5, 10));
        QTest::keyClick(tempsT, Qt::Key_Home);
        QTest::keyClick(tempsT, Qt::Key_0); // "010": the same value, the icons stay
        QVERIFY(!uni(BLANC));
        QTest::keyClick(tempsT, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(tempsT, Qt::Key_3);
        QVERIFY(uni(BLANC) && niveau.nbEnnemis == 1);
        QImage fond(363, 363, QImage::Format_RGB32);
        fond.fill(VERT);
        fond.save("fond.bmp");
        boites.reponses = {chemin("fond.bmp")};
        declencher("background1");
        QFile::remove("fond.bmp"); // each clearing now fails
        QTest::keyClicks(tempsT, "00");
        QCOMPARE(tempsT->Value(), 100);
        QCOMPARE(boites.journal.filter("erreur: ").size(), 2);
    }

    // The name typed becomes the level's, as typed, in Windows-1252; cancelling keeps the name.
    void renommerLeNiveau()
    {
        auto* nom = widget<QLabel>("NomNiveau");
        const std::pair<QString, std::string> cas[] = {
            {" € Œuvre – ÿ été ‘\u00A0", " \x80 \x8Cuvre \x96 \xFF \xE9t\xE9 \x91\xA0"},
            {QString(), " \x80 \x8Cuvre \x96 \xFF \xE9t\xE9 \x91\xA0"},
            {"", ""},
            {"<b>Boss</b>", "<b>Boss</b>"}};
        for (const auto& [reponse, octets] : cas) {
            boites.reponses = {reponse};
            QTest::mouseClick(nom, Qt::LeftButton);
            QCOMPARE(niveau.nom, octets);
        }
        QCOMPARE(nom->text(), "<b>Boss</b>");
        QCOMPARE(boites.journal[0],
                 "saisie: Choix du nom pour le niveau|Entrer un nom : |Niveau_1");
        // Shown as typed, tags and all, not as bold text.
        QVERIFY(nom->sizeHint().width() >= nom->fontMetrics().horizontalAdvance("<b>Boss</b>"));
    }

    // The depth in use is offered; cancelling keeps it.
    void changerLaProfondeur()
    {
        boites.reponses = {"5", QString()};
        declencher("changerlaprofondeur1");
        declencher("changerlaprofondeur1");
        QCOMPARE(
            boites.journal,
            (QStringList{"saisie: Apparition des ennemis|Profondeur en z ( -10<...<-100 ) : |-100",
                         "saisie: Apparition des ennemis|Profondeur en z ( -10<...<-100 ) : |5"}));
        QCOMPARE(niveau.profondeur, 5);
    }

    // Neither another window nor the menu bar taking the keyboard is leaving a field.
    void niUneAutreFenetreNiLaBarreDeMenusNeFontSortir()
    {
        taper("DureeMission", "");
        QWidget autre;
        autre.show();
        QApplication::setActiveWindow(&autre);
        QVERIFY(QTest::qWaitForWindowActive(&autre));
        autre.close();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto* duree = widget<QLineEdit>("DureeMission");
        QTest::keyClick(duree, Qt::Key_Alt);
        QVERIFY(qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(QApplication::focusWidget() == duree && duree->text().isEmpty());
        QTest::keyClicks(duree, "7");
        QTest::keyClick(duree, Qt::Key_Tab);
        QVERIFY(niveau.duree == 7 && boites.journal.isEmpty());
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
