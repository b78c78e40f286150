#include "dossier_temporaire.h"
#include "niveau.h"

namespace fs = std::filesystem;

using TypeDEnnemi = DansDossierTemporaire;

TEST_F(TypeDEnnemi, IsTheNameBeforeTheFirstIcoAnywhere)
{
    EXPECT_EQ(nomDeType("tank.ico"), "tank");
    EXPECT_EQ(nomDeType("boss.ico.ico"), "boss");
    EXPECT_EQ(nomDeType("a.icons.ico"), "a");
    EXPECT_EQ(nomDeType(".ico"), "");
    EXPECT_EQ(nomDeType("\xE9"
                        "clair.ico"),
              "\xE9"
              "clair");
}

TEST_F(TypeDEnnemi, WithoutLowerCaseIcoIsTheWholeNameUpTo254Bytes)
{
    EXPECT_EQ(nomDeType("BOSS.ICO"), "BOSS.ICO");
    EXPECT_EQ(nomDeType(std::string(300, 'n')), std::string(254, 'n'));
    EXPECT_FALSE(fs::exists("ennemi.tmp"));
}

class Placer : public DansDossierTemporaire {
protected:
    s_niveau niveau;
};

TEST_F(Placer, RecordsCellTimeAndTypeWithYGrowingUpwards)
{
    struct Cas {
        int colonne, ligne;
        float x, y;
    };
    const Cas cas[] = {
        {0, 0, -5, 5}, {5, 5, 0, 0}, {10, 10, 5, -5}, {10, 0, 5, 5}, {0, 10, -5, -5}};
    for (const Cas& c : cas) {
        ASSERT_EQ(placerEnnemi(niveau, c.colonne, c.ligne, 7, "tank.ico"), Placement::Place);
        const Ennemi& ennemi = niveau.ennemis[niveau.nbEnnemis - 1];
        EXPECT_EQ(ennemi.x, c.x) << c.colonne << "," << c.ligne;
        EXPECT_EQ(ennemi.y, c.y) << c.colonne << "," << c.ligne;
        EXPECT_EQ(ennemi.temps, 7.0f);
        EXPECT_EQ(ennemi.type, "tank");
    }
    EXPECT_EQ(niveau.nbEnnemis, 5);
}

TEST_F(Placer, SameCellAndTimeTwiceGivesTwoEnemies)
{
    placerEnnemi(niveau, 3, 4, 12, "tank.ico");
    placerEnnemi(niveau, 3, 4, 12, "boss.ico");
    ASSERT_EQ(niveau.nbEnnemis, 2);
    EXPECT_EQ(niveau.ennemis[0].type, "tank");
    EXPECT_EQ(niveau.ennemis[1].type, "boss");
}

TEST_F(Placer, HundredthSucceedsAndHundredFirstChangesNothing)
{
    EXPECT_EQ(texteCompteur(niveau), "nombre total d'ennemis : 0/100");
    for (int i = 0; i < NB_MAX_ENNEMIS; ++i) {
        ASSERT_EQ(placerEnnemi(niveau, i % 11, i / 11 % 11, i, "tank.ico"), Placement::Place);
    }
    EXPECT_EQ(texteCompteur(niveau), "nombre total d'ennemis : 100/100");
    EXPECT_TRUE(niveauPlein(niveau));

    const Ennemi dernier = niveau.ennemis[NB_MAX_ENNEMIS - 1];
    EXPECT_EQ(placerEnnemi(niveau, 0, 0, 1, "boss.ico"), Placement::NiveauPlein);
    EXPECT_EQ(niveau.nbEnnemis, NB_MAX_ENNEMIS);
    EXPECT_EQ(niveau.ennemis[NB_MAX_ENNEMIS - 1].type, dernier.type);
    EXPECT_EQ(niveau.ennemis[NB_MAX_ENNEMIS - 1].temps, dernier.temps);
}

TEST_F(Placer, CounterCountsAgainstTheCapacityNotTheDuration)
{
    niveau.duree = 30;
    for (int i = 0; i < 3; ++i) {
        placerEnnemi(niveau, 1, 1, 1, "tank.ico");
    }
    EXPECT_EQ(texteCompteur(niveau), "nombre total d'ennemis : 3/100");
}

TEST_F(Placer, RefusedNamesLeaveTheLevelUnchanged)
{
    EXPECT_EQ(placerEnnemi(niveau, 0, 0, 1, "ta\tnk.ico"), Placement::NomInvalide);
    EXPECT_EQ(placerEnnemi(niveau, 0, 0, 1, "li\ngne.ico"), Placement::NomInvalide);
    fs::create_directory("ennemi.tmp");
    EXPECT_EQ(placerEnnemi(niveau, 0, 0, 1, "tank.ico"), Placement::CopieImpossible);
    EXPECT_EQ(niveau.nbEnnemis, 0);
    EXPECT_EQ(niveau.ennemis[0].type, "");
}

TEST(CaractereDeControle, IsAnyByteBelowSpace)
{
    for (const char* nom : {"a\tb", "a\rb", "a\nb", "\x1F", "\x01z"}) {
        EXPECT_TRUE(contientCaractereDeControle(nom)) << nom;
    }
    for (const char* nom : {"", "Niveau 1", "\xE9t\xE9", "\x7F", "\x80\xFF"}) {
        EXPECT_FALSE(contientCaractereDeControle(nom)) << nom;
    }
}
