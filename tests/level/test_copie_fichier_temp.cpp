#include "copie_fichier_temp.h"
#include "dossier_temporaire.h"

#include <climits>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(CopieParFichierTemp, NeverWritesThroughNorRemovesAScratchNameNotItsOwn)
{
    ecrire("victime", "intacte");
    const std::function<void()> pieges[] = {
        [] { fs::create_directory("ennemi.tmp"); },
        [] { fs::create_symlink("victime", "ennemi.tmp"); },
        [] { fs::create_symlink("absente", "ennemi.tmp"); },
        [] { fs::create_hard_link("victime", "ennemi.tmp"); },
        [] { ASSERT_EQ(mkfifo("ennemi.tmp", 0600), 0); },
    };
    for (const auto& pieger : pieges) {
        pieger();
        EXPECT_EQ(copieParFichierTemp("tank.ico", 5), std::nullopt);
        EXPECT_TRUE(fs::exists(fs::symlink_status("ennemi.tmp")));
        EXPECT_EQ(lire("victime"), "intacte");
        fs::remove("ennemi.tmp");
    }
    EXPECT_FALSE(fs::exists("absente"));
}

TEST_F(CopieParFichierTemp, TwoEditorsInOneFolderEachReadTheirOwnText)
{
    const pid_t autre = fork();
    ASSERT_GE(autre, 0);
    const std::string texte = autre == 0 ? "autre editeur " : "cet editeur ";
    int fautes = 0;
    for (int i = 0; i < 300; ++i) {
        fautes += copieParFichierTemp(texte + std::to_string(i), 0) != texte + std::to_string(i);
    }
    if (autre == 0) {
        _exit(fautes);
    }
    int statut = 0;
    ASSERT_EQ(waitpid(autre, &statut, 0), autre);
    EXPECT_EQ(fautes, 0);
    EXPECT_EQ(WEXITSTATUS(statut), 0);
}
