#include "copie_fichier_temp.h"
#include "fichier_niveau.h"

#include <gtest/gtest.h>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string lire(const fs::path& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), {}};
}

// The README's example: a tank at the centre at 12 s, a boss in the top-left cell at 50 s.
const s_niveau EXEMPLE{"Niveau_1", -100, 100, 2, {{{12, "tank", 0, 0}, {50, "boss", -5, 5}}}};
const char* const EXEMPLE_ENTIER = "Niveau_1\r\n100\r\n2\r\n"
                                   "0\t12.00\ttank\t0.00\t0.00\t-100\r\n"
                                   "1\t50.00\tboss\t-5.00\t5.00\t-100\r\n";

// Each fsync made, with what "niveau.txt" held at that moment.
std::vector<std::string> synchronisations;

// Saves the example in a child process, which first runs avant and, whatever happens, never goes
// back to the test runner.
Ecriture enregistrerEnEnfant(const std::string& chemin, void (*avant)()) noexcept
{
    const pid_t enfant = fork();
    if (enfant == 0) {
        avant();
        _exit(static_cast<int>(enregistrerNiveau(EXEMPLE, chemin, FormeProfondeur::Entiere)));
    }
    int statut = 0;
    waitpid(enfant, &statut, 0);
    return static_cast<Ecriture>(WIFEXITED(statut) ? WEXITSTATUS(statut) : -1);
}

// Every entry under the current folder, with the bytes of the files.
std::map<fs::path, std::string> arborescence()
{
    std::map<fs::path, std::string> entrees;
    for (const auto& entree : fs::recursive_directory_iterator(".")) {
        entrees[entree.path()] = entree.is_directory() ? "" : lire(entree.path());
    }
    return entrees;
}

// Each test runs in a fresh current folder, where the scratch file "ennemi.tmp" goes, and as an
// ordinary user: root may write any file.
class Niveau : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0));
        ASSERT_EQ(chdir(mkdtemp(dossier_)), 0);
    }

    void TearDown() override { fs::remove_all(dossier_); }

    char dossier_[21] = "/tmp/ombrelin-XXXXXX";
};

} // namespace

extern "C" int fsync(int fd)
{
    struct stat etat {};
    fstat(fd, &etat);
    synchronisations.push_back((S_ISDIR(etat.st_mode) ? "dossier " : "fichier ") +
                               lire("niveau.txt"));
    return reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"))(fd);
}

// Before each copy something is already named "ennemi.tmp": a stale scratch file is replaced and
// removed; a link, a directory or a FIFO is neither written through nor removed.
TEST_F(Niveau, CopyKeepsOneLineOfAtMostLimitMinusOneBytesThroughItsOwnFile)
{
    std::ofstream("victime") << "intacte";
    const struct {
        std::string texte;
        int limite;
        std::optional<std::string> attendu;
        void (*pieger)() = nullptr;
    } cas[] = {
        {"tank.ico", 5, "tank"},
        {"abc", 1, ""},
        {std::string(300, 'x'), 0, std::string(254, 'x')},
        {std::string(300, 'x'), -7, std::string(254, 'x')},
        {"ab\ncd", 0, "ab\n"},
        {std::string("ab\0cd", 5), 0, "ab"},
        {std::string("\0ab", 3), 0, ""},
        {"\xE9t\xE9 \x80", 1000, "\xE9t\xE9 \x80"},
        {"tank.ico", 5, std::nullopt, [] { fs::create_directory("ennemi.tmp"); }},
        {"tank.ico", 5, std::nullopt, [] { fs::create_symlink("victime", "ennemi.tmp"); }},
        {"tank.ico", 5, std::nullopt, [] { fs::create_symlink("absente", "ennemi.tmp"); }},
        {"tank.ico", 5, std::nullopt, [] { fs::create_hard_link("victime", "ennemi.tmp"); }},
        {"tank.ico", 5, std::nullopt, [] { mkfifo("ennemi.tmp", 0600); }},
    };
    for (const auto& c : cas) {
        c.pieger ? c.pieger() : void(std::ofstream("ennemi.tmp") << "ancien contenu\nlong");
        EXPECT_EQ(copieParFichierTemp(c.texte, c.limite), c.attendu) << c.texte;
        EXPECT_EQ(fs::exists(fs::symlink_status("ennemi.tmp")), c.pieger != nullptr) << c.texte;
        fs::remove("ennemi.tmp");
    }
    EXPECT_EQ(lire("victime"), "intacte");
    EXPECT_FALSE(fs::exists("absente"));
}

TEST_F(Niveau, TwoEditorsCopyingInOneFolderEachReadTheirOwnText)
{
    // noexcept: the child never goes back to the test runner.
    const auto fautes = [](const std::string& editeur) noexcept {
        int nombre = 0;
        for (int i = 0; i < 300; ++i) {
            nombre +=
                copieParFichierTemp(editeur + std::to_string(i), 0) != editeur + std::to_string(i);
        }
        return nombre;
    };
    const pid_t autre = fork();
    if (autre == 0) {
        _exit(fautes("autre editeur "));
    }
    EXPECT_EQ(fautes("cet editeur "), 0);
    int statut = 0;
    waitpid(autre, &statut, 0);
    EXPECT_EQ(statut, 0) << "faults or a crash in the other editor";
}

TEST_F(Niveau, TypeIsTheNameBeforeTheFirstIcoElseTheWholeNameUpTo254Bytes)
{
    const std::pair<std::string, std::string> cas[] = {
        {"tank.ico", "tank"},
        {"a.icons.ico", "a"},
        {".ico", ""},
        {"BOSS.ICO", "BOSS.ICO"},
        {std::string(300, 'n'), std::string(254, 'n')},
    };
    for (const auto& [nom, type] : cas) {
        EXPECT_EQ(nomDeType(nom), type) << nom;
    }
}

TEST(CaractereDeControle, IsAnyByteBelowSpace)
{
    const std::pair<const char*, bool> cas[] = {{"a\tb", true},
                                                {"\x1F", true},
                                                {"", false},
                                                {" ~\x7F", false},
                                                {"\xE9t\xE9\x80\xFF", false}};
    for (const auto& [texte, attendu] : cas) {
        EXPECT_EQ(contientCaractereDeControle(texte), attendu) << texte;
    }
}

// Each save replaces the linked file whole, keeping its mode and leaving other saves' leftovers
// alone; the file is flushed before the rename and the folder after it.
TEST_F(Niveau, WritesTheGamesBytesDurablyWhateverTheLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr) << "./test.sh installs fr_FR.UTF-8";
    std::ofstream("vrai.txt") << std::string(5000, 'z');
    fs::permissions("vrai.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("vrai.txt", "niveau.txt");
    for (int i = 0; i < 100; ++i) {
        std::ofstream(".ombrelin-" + std::to_string(i) + ".tmp") << "reste";
    }
    const s_niveau accents{"\xC9t\xE9", 5, 10, 1, {{{999, "\xE9t\xE9", 5, -5}}}};
    const struct {
        s_niveau niveau;
        FormeProfondeur forme;
        std::string octets;
    } cas[] = {
        {EXEMPLE, FormeProfondeur::Entiere, EXEMPLE_ENTIER},
        {EXEMPLE, FormeProfondeur::Decimale,
         "Niveau_1\r\n100\r\n2\r\n0\t12.00\ttank\t0.00\t0.00\t-100.00\r\n"
         "1\t50.00\tboss\t-5.00\t5.00\t-100.00\r\n"},
        {{"", -100, 100, 0}, FormeProfondeur::Entiere, "\r\n100\r\n0\r\n"},
        {accents, FormeProfondeur::Entiere,
         "\xC9t\xE9\r\n10\r\n1\r\n0\t999.00\t\xE9t\xE9\t5.00\t-5.00\t5\r\n"},
        {accents, FormeProfondeur::Decimale,
         "\xC9t\xE9\r\n10\r\n1\r\n0\t999.00\t\xE9t\xE9\t5.00\t-5.00\t5.00\r\n"},
    };
    for (const auto& c : cas) {
        const std::string avant = lire("niveau.txt");
        synchronisations.clear();
        EXPECT_EQ(enregistrerNiveau(c.niveau, "niveau.txt", c.forme), Ecriture::Reussie);
        EXPECT_EQ(synchronisations,
                  (std::vector<std::string>{"fichier " + avant, "dossier " + c.octets}));
    }
    std::setlocale(LC_ALL, "C");
    EXPECT_TRUE(fs::is_symlink("niveau.txt"));
    EXPECT_EQ(fs::status("niveau.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 102) << "a temporary file left";
}

// A refused or failed save changes nothing in the folder.
TEST_F(Niveau, RefusesOrFailsAsAPlainOpenForWritingWouldButHarmsNothing)
{
    const std::string long254 = std::string(200, 'd') + "/" + std::string(49, 'n') + ".txt";
    fs::create_directories(std::string(200, 'd'));
    fs::create_directories("partage");
    for (const char* fichier : {"niveau.txt", "lecture.txt", "partage/niveau.txt"}) {
        std::ofstream(fichier) << "ancien niveau\r\n";
    }
    fs::permissions("lecture.txt", fs::perms::owner_read);
    fs::permissions("partage", fs::perms::owner_read | fs::perms::owner_exec);
    const struct {
        std::string chemin;
        Ecriture attendue;
        void (*avant)() = [] {};
    } cas[] = {
        {long254 + "x", Ecriture::CheminRefuse},
        {long254, Ecriture::Reussie},
        {"niveau.txt\n", Ecriture::CheminRefuse},
        {"niveau.txt\nautre", Ecriture::CheminRefuse},
        {std::string("niveau.txt\0x", 12), Ecriture::CheminRefuse},
        {"absent/niveau.txt", Ecriture::EcritureImpossible},
        {"partage", Ecriture::EcritureImpossible},
        {"/dev/full", Ecriture::EcritureImpossible},
        {"lecture.txt", Ecriture::EcritureImpossible},
        {"partage/nouveau.txt", Ecriture::EcritureImpossible},
        {"partage/niveau.txt", Ecriture::Reussie},
        {"niveau.txt", Ecriture::EcritureImpossible,
         [] {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit petit{64, 64};
             setrlimit(RLIMIT_FSIZE, &petit);
         }},
        {"../niveau.txt", Ecriture::FichierTemporaireImpossible,
         [] { fs::current_path("partage"); }},
    };
    for (const auto& c : cas) {
        const auto avant = arborescence();
        EXPECT_EQ(enregistrerEnEnfant(c.chemin, c.avant), c.attendue) << c.chemin;
        if (c.attendue == Ecriture::Reussie) {
            EXPECT_EQ(lire(c.chemin), EXEMPLE_ENTIER);
        } else {
            EXPECT_EQ(arborescence(), avant) << c.chemin;
        }
    }
    fs::permissions("partage", fs::perms::owner_all);
}

TEST(VerifierTemps, ReportsEachLateEnemyOnceInOrderAndLetsEqualTimesPass)
{
    s_niveau niveau{"", 0, 100, 6};
    const float temps[] = {100, 101, 0, 250, 100, 102, 999}; // the last one is not in use
    for (int i = 0; i < 7; ++i) {
        niveau.ennemis[i].temps = temps[i];
    }
    std::vector<int> retards;
    verifierTemps(niveau, [&](int indice) { retards.push_back(indice); });
    EXPECT_EQ(retards, (std::vector<int>{1, 3, 5}));
}
