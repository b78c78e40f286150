#include "copie_fichier_temp.h"
#include "dossier_temporaire.h"

#include <climits>

namespace fs = std::filesystem;

using CopieParFichierTemp = DansDossierTemporaire;

TEST_F(CopieParFichierTemp, LimitKeepsAtMostOneByteLessThanItself)
{
    EXPECT_EQ(copieParFichierTemp("tank.ico", 5), "tank");
    EXPECT_EQ(copieParFichierTemp("abcdef", 3), "ab");
    EXPECT_EQ(copieParFichierTemp("abc", 1), "");
    EXPECT_EQ(copieParFichierTemp("abc", INT_MAX), "abc");
}

TEST_F(CopieParFichierTemp, LimitBelowOneMeansTwoHundredFiftyFiveBytes)
{
    const std::string long300(300, 'x');
    EXPECT_EQ(copieParFichierTemp("abc", 0), "abc");
    EXPECT_EQ(copieParFichierTemp(long300, 0), std::string(254, 'x'));
    EXPECT_EQ(copieParFichierTemp(long300, -7), std::string(254, 'x'));
    EXPECT_EQ(copieParFichierTemp(std::string(254, 'y'), 0), std::string(254, 'y'));
}

TEST_F(CopieParFichierTemp, ReadsOneLineAndStopsAfterItsBreak)
{
    EXPECT_EQ(copieParFichierTemp("ab\ncd", 0), "ab\n");
    EXPECT_EQ(copieParFichierTemp("ab\ncd", 3), "ab");
}

TEST_F(CopieParFichierTemp, KeepsEightBitBytesAndEndsAtAZeroByte)
{
    EXPECT_EQ(copieParFichierTemp("\xE9t\xE9 \x80", 0), "\xE9t\xE9 \x80");
    EXPECT_EQ(copieParFichierTemp(std::string("ab\0cd", 5), 0), "ab");
    EXPECT_EQ(copieParFichierTemp("", 0), "");
}

TEST_F(CopieParFichierTemp, ScratchFileIsGoneAfterwardsEvenAStaleOne)
{
    ecrire("ennemi.tmp", "vieux contenu\nsur deux lignes");
    EXPECT_EQ(copieParFichierTemp("neuf", 0), "neuf");
    EXPECT_FALSE(fs::exists("ennemi.tmp"));
}

TEST_F(CopieParFichierTemp, ReportsAScratchFileThatCannotBeCreated)
{
    fs::create_directory("ennemi.tmp");
    EXPECT_EQ(copieParFichierTemp("tank.ico", 5), std::nullopt);
    EXPECT_TRUE(fs::is_directory("ennemi.tmp")) << "a directory of that name is not ours to remove";
}
