#include "Fenetre.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace {

const QRgb VERT = qRgb(0, 160, 0);

} // namespace

// The duration, time, name and depth fields, through real focus and key events.
class TestChamps : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Fenetre> f;
    QLineEdit* duree = nullptr;
    TCSpinEdit* tempsT = nullptr;

    // Enters the duration field, replaces its text with a typed one and leaves with Tab.
    void saisirDuree(const QString& texte)
    {
        QTest::mouseClick(duree, Qt::LeftButton);
        QTest::keyClick(duree, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(duree, Qt::Key_Backspace);
        QTest::keyClicks(duree, texte);
        QTest::keyClick(duree, Qt::Key_Tab);
    }

    void sortirDuTemps() { QTest::keyClick(tempsT, Qt::Key_Tab); }

    bool grilleVierge() const
    {
        return Fenetre::uni(f->surface(), f->surface().rect(), qRgb(255, 255, 255));
    }

private slots:
    void init()
    {
        f = std::make_unique<Fenetre>();
        Fenetre::creerIcone("tank.ico", VERT);
        f->ouvrir();
        duree = f->widget<QLineEdit>("DureeMission");
        tempsT = f->widget<TCSpinEdit>("tempsT");
    }

    void cleanup() { f.reset(); }

    void uneDureeVideeRevientACelleDeLEntree()
    {
        saisirDuree("60");
        saisirDuree("");
        QCOMPARE(duree->text(), QStringLiteral("60"));
        QCOMPARE(niveau.duree, 60);
        QCOMPARE(tempsT->MaxValue(), 60);
        QVERIFY(f->boites.erreurs.isEmpty());
    }

    void laBorneDuTempsSuitLaDuree()
    {
        f->taperTemps("80");
        sortirDuTemps();
        saisirDuree("50");
        QCOMPARE(niveau.duree, 50);
        QCOMPARE(tempsT->Value(), 50);
        f->taperTemps("70");
        QCOMPARE(tempsT->Value(), 50);

        saisirDuree("0");
        QCOMPARE(tempsT->Value(), 0);
        f->taperTemps("5");
        QCOMPARE(tempsT->Value(), 0);
        QTest::keyClick(tempsT, Qt::Key_Up);
        QCOMPARE(tempsT->Value(), 0);
    }

    void unTempsTropGrandDevientLaBorne()
    {
        // A background removed since it was chosen: each clearing shows one error box.
        const QString fond = f->chemin("fond.bmp");
        QImage(8, 8, QImage::Format_RGB32).save(fond, "bmp");
        f->boites.reponsesDialogue = {fond};
        f->widget<QAction>("background1")->trigger();
        QFile::remove(fond);
        f->taperTemps("20");
        f->boites.erreurs.clear();
        QTest::keyClick(tempsT, Qt::Key_0);
        QCOMPARE(tempsT->text(), QStringLiteral("100"));
        QCOMPARE(f->boites.erreurs.size(), 1); // the clamp is part of the same keystroke

        f->taperTemps("99");
        QTest::keyClick(tempsT, Qt::Key_Up);
        QTest::keyClick(tempsT, Qt::Key_Up);
        QCOMPARE(tempsT->Value(), 100);
    }

    void unTempsNegatifRevientACeluiDeLEntree()
    {
        f->taperTemps("10");
        sortirDuTemps();
        f->taperTemps("-5");
        QCOMPARE(tempsT->Value(), -5); // the field itself does not clamp
        sortirDuTemps();
        QCOMPARE(tempsT->Value(), 10);

        // Emptied and left, the field shows its value on entry again.
        f->taperTemps("");
        QTest::keyClick(tempsT, Qt::Key_Backspace);
        QCOMPARE(tempsT->text(), QStringLiteral("10"));
    }

    void changerLeTempsEffaceLAffichage()
    {
        f->taperTemps("10");
        sortirDuTemps();
        f->choisirIcone("tank.ico");
        f->cliquerCellule(2, 2);
        QVERIFY(!grilleVierge());

        // "010" still means 10: a change of text that keeps the value on entry keeps the icons.
        QTest::mouseClick(tempsT, Qt::LeftButton, {}, QPoint(5, tempsT->height() / 2));
        QTest::keyClick(tempsT, Qt::Key_Home);
        QTest::keyClick(tempsT, Qt::Key_0);
        QCOMPARE(tempsT->text(), QStringLiteral("010"));
        QVERIFY(!grilleVierge());

        QTest::keyClick(tempsT, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(tempsT, "30");
        QVERIFY(grilleVierge());
        QCOMPARE(niveau.nbEnnemis, 1);
    }

    void renommerLeNiveau()
    {
        QLabel* nom = f->widget<QLabel>("NomNiveau");
        f->boites.reponsesSaisie = {QStringLiteral("  Forêt d'été "),
                                    BoitesScriptees::ANNULER,
                                    QString(""),
                                    QStringLiteral("ta\tb"),
                                    QStringLiteral("日本"),
                                    QStringLiteral("<b>Boss</b>")};
        QTest::mouseClick(nom, Qt::LeftButton);
        QCOMPARE(f->boites.saisies.size(), 1u);
        QCOMPARE(f->boites.saisies[0].titre, QStringLiteral("Choix du nom pour le niveau"));
        QCOMPARE(f->boites.saisies[0].invite, QStringLiteral("Entrer un nom : "));
        QCOMPARE(f->boites.saisies[0].defaut, QStringLiteral("Niveau_1"));
        QCOMPARE(nom->text(), QStringLiteral("  Forêt d'été "));
        QCOMPARE(niveau.nom, std::string("  For\xEAt d'\xE9t\xE9 "));

        QTest::mouseClick(nom, Qt::LeftButton); // cancelled
        QCOMPARE(niveau.nom, std::string("  For\xEAt d'\xE9t\xE9 "));
        QTest::mouseClick(nom, Qt::LeftButton); // confirmed empty
        QCOMPARE(niveau.nom, std::string());
        QCOMPARE(nom->text(), QString());

        QTest::mouseClick(nom, Qt::LeftButton);
        QTest::mouseClick(nom, Qt::LeftButton);
        QCOMPARE(f->boites.messages.size(), 2);
        QCOMPARE(niveau.nom, std::string());

        // Shown as typed, tags and all, not as bold text.
        QTest::mouseClick(nom, Qt::LeftButton);
        QCOMPARE(niveau.nom, std::string("<b>Boss</b>"));
        QVERIFY(nom->sizeHint().width() >= nom->fontMetrics().horizontalAdvance("<b>Boss</b>"));
    }

    void changerLaProfondeur()
    {
        QAction* profondeur = f->widget<QAction>("changerlaprofondeur1");
        f->boites.reponsesSaisie = {QStringLiteral("5"), BoitesScriptees::ANNULER, QString("")};
        profondeur->trigger();
        QCOMPARE(f->boites.saisies[0].titre, QStringLiteral("Apparition des ennemis"));
        QCOMPARE(f->boites.saisies[0].invite,
                 QStringLiteral("Profondeur en z ( -10<...<-100 ) : "));
        QCOMPARE(f->boites.saisies[0].defaut, QStringLiteral("-100"));
        QCOMPARE(niveau.profondeur, 5);
        profondeur->trigger();
        QCOMPARE(f->boites.saisies[1].defaut, QStringLiteral("5"));
        QCOMPARE(niveau.profondeur, 5);
        profondeur->trigger();
        QCOMPARE(f->boites.erreurs.size(), 1);
        QCOMPARE(niveau.profondeur, 5);
    }

    void uneAutreFenetreNeFaitNiEntrerNiSortir()
    {
        QTest::mouseClick(duree, Qt::LeftButton);
        QTest::keyClick(duree, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(duree, Qt::Key_Backspace);
        QWidget autre;
        autre.show();
        QApplication::setActiveWindow(&autre);
        QVERIFY(QTest::qWaitForWindowActive(&autre));
        QCOMPARE(duree->text(), QString()); // still being edited: nothing restored yet

        autre.close();
        QApplication::setActiveWindow(duree->window());
        QVERIFY(QTest::qWaitForWindowActive(duree->window()));
        QCOMPARE(QApplication::focusWidget(), duree);

        // Alt gives the keyboard to the menu bar, Escape gives it back: the field stays entered.
        QTest::keyClick(duree, Qt::Key_Alt);
        QVERIFY(qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr);
        QCOMPARE(duree->text(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), duree);
        QTest::keyClicks(duree, "7");
        QTest::keyClick(duree, Qt::Key_Tab);
        QCOMPARE(niveau.duree, 7);
        QVERIFY(f->boites.erreurs.isEmpty());
    }

    void uneDureeQuiNEstPasUnEntierNeChangeRien()
    {
        saisirDuree("abc");
        QCOMPARE(f->boites.erreurs,
                 QStringList{QStringLiteral("'abc' n'est pas une valeur entière correcte.")});
        QCOMPARE(niveau.duree, 100);
        QCOMPARE(tempsT->MaxValue(), 100);
        QCOMPARE(duree->text(), QStringLiteral("abc"));

        // Entering again with the bad text fails too; the remembered duration stays.
        QTest::mouseClick(duree, Qt::LeftButton);
        QCOMPARE(f->boites.erreurs.size(), 2);
        QTest::keyClick(duree, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(duree, Qt::Key_Backspace);
        QTest::keyClick(duree, Qt::Key_Tab);
        QCOMPARE(duree->text(), QStringLiteral("100"));

        saisirDuree("-");
        QCOMPARE(f->boites.erreurs.size(), 3);
        QCOMPARE(niveau.duree, 100);
    }
};

QTEST_MAIN(TestChamps)
#include "test_champs.moc"
