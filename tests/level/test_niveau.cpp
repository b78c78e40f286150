#include "copie_fichier_temp.h"
#include "dossier_prive.h"
#include "fichier_niveau.h"
#include "lecture_niveau.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string lire(const fs::path& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(fichier), {}};
}

// One enemy in the top-left cell at 50 s; the names are Windows-1252 bytes, as the game reads them.
const s_niveau EXEMPLE{"\xC9t\xE9", -100, 100, 1, {{{50, "\xE9t\xE9", -5, 5}}}};

// Every entry under the current folder with its mode, and the bytes of the regular files.
std::set<std::string> arborescence()
{
    std::set<std::string> entrees;
    for (const auto& entree : fs::recursive_directory_iterator(".")) {
        const fs::file_status etat = entree.symlink_status(); // a link, not what it names
        entrees.insert(entree.path().string() + " " + std::to_string(int(etat.permissions())) +
                       (fs::is_regular_file(etat) ? " " + lire(entree.path()) : ""));
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

// An icon file name's type, read back through the scratch file (a stale one is reused), and
// whether it holds a control byte, which the game's tab-separated lines cannot carry.
TEST_F(Niveau, TypeIsOneLineOfTheNameBeforeTheFirstIcoUpTo254BytesAndControlBytesAreFound)
{
    std::ofstream("ennemi.tmp") << "ancien contenu\nlong";
    const std::tuple<std::string, std::string, bool> cas[] = {
        {"tank.ico", "tank", false},
        {"a.icons.ico", "a", false},
        {".ico", "", false},
        {std::string("\0ab", 3), "", false}, // nothing to read back: the empty text
        {"BOSS.ICO", "BOSS.ICO", false},
        {std::string(300, 'n'), std::string(254, 'n'), false},
        {"a\tb\nc.ico", "a\tb\n", true},
        {"\x1F.ico", "\x1F", true},
        {" ~\x7F\xE9t\xE9\x80\xFF", " ~\x7F\xE9t\xE9\x80\xFF", false}, // Windows-1252 as it is
    };
    for (const auto& [nom, type, controle] : cas) {
        EXPECT_EQ(nomDeType(nom), type) << nom;
        EXPECT_EQ(contientCaractereDeControle(type), controle) << nom;
    }
    EXPECT_FALSE(fs::exists("ennemi.tmp"));
}

// Each save replaces the file behind the link whole, keeping its mode, and leaves the leftovers of
// a crashed run alone. What is written reads back to the same level.
TEST_F(Niveau, WritesTheGamesBytesDurablyWhateverTheLocaleAndReadsThemBack)
{
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr) << "./test.sh installs fr_FR.UTF-8";
    std::ofstream("vrai.txt") << "ancien niveau";
    std::ofstream(".ombrelin-0123456789abcdef.tmp") << "reste d'un enregistrement interrompu";
    fs::permissions("vrai.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("vrai.txt", "niveau.txt");
    const auto avant = arborescence();
    const std::tuple<s_niveau, FormeProfondeur, std::string> cas[] = {
        {EXEMPLE, FormeProfondeur::Entiere,
         "\xC9t\xE9\r\n100\r\n1\r\n0\t50.00\t\xE9t\xE9\t-5.00\t5.00\t-100\r\n"},
        {EXEMPLE, FormeProfondeur::Decimale,
         "\xC9t\xE9\r\n100\r\n1\r\n0\t50.00\t\xE9t\xE9\t-5.00\t5.00\t-100.00\r\n"},
        {s_niveau{"", PROFONDEUR_INITIALE, 100, 0}, FormeProfondeur::Entiere, "\r\n100\r\n0\r\n"},
    };
    for (const auto& [niveau, forme, octets] : cas) {
        EXPECT_EQ(enregistrerNiveau(niveau, "niveau.txt", forme), Ecriture::Reussie);
        EXPECT_EQ(lire("niveau.txt"), octets);
        const auto lu = lireNiveau("niveau.txt");
        EXPECT_TRUE(std::holds_alternative<s_niveau>(lu) && std::get<s_niveau>(lu) == niveau);
    }
    std::setlocale(LC_ALL, "C");
    std::ofstream("niveau.txt") << "ancien niveau";
    EXPECT_EQ(arborescence(), avant) << "only the bytes behind the link may change";
}

// What the enemy list takes: the enemies at given indexes out, the others in order; one enemy
// changed, as the file can hold it; a time and a position as a user types them.
TEST(ListeEnnemis, RemovesKeepingTheOrderChangesWhatTheFileCanHoldAndReadsWhatIsTyped)
{
    s_niveau niveau{"n", -100, 100, 4, {{{0, "a", 0, 0}, {1, "b", 0, 0}, {2, "c"}, {3, "d"}}}};
    EXPECT_FALSE(retirerEnnemis(niveau, {1, 4}) || retirerEnnemis(niveau, {-1}));
    EXPECT_TRUE(retirerEnnemis(niveau, {2, 0, 2}));
    EXPECT_EQ(niveau, (s_niveau{"n", -100, 100, 2, {{{1, "b", 0, 0}, {3, "d"}}}}));
    const std::pair<Ennemi, bool> ennemis[] = {
        {{7.5f, "\xE9t\xE9", -5, 5}, true}, {{0, "b", 5, -5}, true}, {{-0.5f, "b"}, false},
        {{INFINITY, "b"}, false}, {{0, "b", 5.5f}, false}, {{0, "b", 0, -6}, false},
        {{0, ""}, false}, {{0, "a\tb"}, false}, {{0, "\x81"}, false}};
    for (const auto& [ennemi, accepte] : ennemis) {
        s_niveau apres = niveau;
        EXPECT_EQ(modifierEnnemi(apres, 1, ennemi), accepte) << ennemi.type;
        apres.ennemis[1] = accepte ? niveau.ennemis[1] : apres.ennemis[1];
        EXPECT_EQ(apres, niveau) << "only enemy 1 changes, and only when accepted";
    }
    EXPECT_FALSE(modifierEnnemi(niveau, 2, {}) || modifierEnnemi(niveau, -1, {}));
    const std::pair<const char*, std::optional<float>> temps[] = {
        {"0", 0.f}, {"12.5", 12.5f}, {"12.55", 12.55f}, {"12.555", {}}, {"12.", {}},
        {".5", {}}, {"-1", {}}, {"1.2.3", {}}, {"", {}}, {"1e3", {}}, {"+1", {}}};
    for (const auto& [texte, valeur] : temps) {
        EXPECT_EQ(tempsSaisi(texte), valeur) << texte;
    }
    const std::pair<const char*, std::optional<float>> positions[] = {
        {"-5", -5.f}, {"5", 5.f}, {"0", 0.f}, {"6", {}}, {"-6", {}}, {"5.0", {}}, {"", {}}};
    for (const auto& [texte, valeur] : positions) {
        EXPECT_EQ(positionSaisie(texte), valeur) << texte;
    }
}

// The clipboard's form: the enemies chosen, in the level's order, read back with the file's own
// rules for each field or refused at the line of the first fault; pasted at T, the earliest at T.
TEST(PressePapiers, WritesTheEnemiesChosenReadsThemBackOrNamesTheLineAndPastesThemAtT)
{
    s_niveau niveau{"n", -7, 100, 2, {{{12.5f, "boss", -5, 4}, {10.25f, "\xE9t\xE9", 5, -5}}}};
    const std::string texte = texteEnnemis(niveau, {1, 0, 1});
    EXPECT_EQ(texte, "12.50\tboss\t-5.00\t4.00\n10.25\t\xE9t\xE9\t5.00\t-5.00\n");
    ASSERT_TRUE(ajouterEnnemis(niveau, std::get<std::vector<Ennemi>>(lireEnnemis(texte)), 40));
    EXPECT_EQ(texteEnnemis(niveau, {2, 3}),
              "42.25\tboss\t-5.00\t4.00\n40.00\t\xE9t\xE9\t5.00\t-5.00\n");
    EXPECT_FALSE(ajouterEnnemis(niveau, std::vector<Ennemi>(97), 0) ||
                 ajouterEnnemis(niveau, std::vector<Ennemi>(1), -1));
    EXPECT_TRUE(ajouterEnnemis(niveau, std::vector<Ennemi>(96), 0) && niveauPlein(niveau));
    std::string cent;
    for (int i = 0; i < NB_MAX_ENNEMIS; ++i) {
        cent += "1\ta\t0\t0\n";
    }
    const std::pair<std::string, std::string> cas[] = {
        {"1\ta\t0\t0\r\n2.5\t\t5\t-5", ""}, // as a spreadsheet copies; CR LF, no final one
        {cent, ""},
        {cent + "1", "ligne 101 : on attendait la fin du texte : 100 ennemis au plus"},
        {"", "ligne 1 : on attendait quatre champs séparés par des tabulations"},
        {"1\ta\t0\t0\n\n", "ligne 2 : on attendait quatre champs"},
        {"1\ta\t0\t0\t-100", "ligne 1 : on attendait quatre champs"},
        {"1\ta\t0\t0\n1,5\ta\t0\t0", "ligne 2 : on attendait un temps d'apparition"},
        {"1\ta\x81\t0\t0", "ligne 1 : on attendait un type d'ennemi en Windows-1252"},
        {"1\ta\t6\t0", "ligne 1 : on attendait pour x un nombre entier de -5 à 5"},
        {"1\ta\t0\t0.5", "ligne 1 : on attendait pour y"},
        {std::string(TAILLE_MAX_NIVEAU, 'a'), "ligne 1 :"},
        {std::string(TAILLE_MAX_NIVEAU + 1, 'a'), "on attendait un texte de 64 Kio au plus"},
    };
    for (const auto& [texte, refus] : cas) {
        const auto lus = lireEnnemis(texte);
        const std::string vu =
            std::holds_alternative<Refus>(lus) ? std::get<Refus>(lus).texte() : "";
        EXPECT_EQ(vu.substr(0, refus.size()), refus) << texte.substr(0, 100);
        EXPECT_EQ(vu.empty(), refus.empty()) << texte.substr(0, 100);
    }
}

// A level file is read whole, and writes back to the same bytes (CR LF, a final one), or is refused
// at the line of its first fault. Nothing but a regular file of at most 64 KiB is read.
TEST_F(Niveau, ReadsALevelFileOrNamesTheLineOfItsFirstFault)
{
    const std::string un = "N\r\n100\r\n1\r\n"; // then the enemy line 4
    const std::string e0 = "0\t12.00\ttank\t-5.00\t4.00\t-100";
    const std::string e1 = "\n1\t0.00\t\x80\t5.00\t-5.00\t-100";
    const std::pair<std::string, int> cas[] = {
        {"N\n-99\n2\n" + e0 + e1, 0}, // LF alone, no final line break
        {"\x80 \xFF~\x7F\n999\n2\n" + e0 + ".00" + e1 + ".00\n", 0},
        {"N\n100\n0\n", 0},
        {std::string(TAILLE_MAX_NIVEAU, 'N'), 2}, // read whole: no duration
        {std::string(TAILLE_MAX_NIVEAU + 1, 'N'), 0},
        {"\x81\r\n100\r\n0\r\n", 1}, // undefined in Windows-1252
        {std::string("N\0\r\n100\r\n0\r\n", 12), 1},
        {"N\r\n1000\r\n0\r\n", 2},
        {"N\r\n-100\r\n0\r\n", 2},
        {"N\r\n100\r\n101\r\n", 3},
        {"N\r\n100\r\n-1\r\n", 3},
        {"N\r\n100\r\n01\r\n" + e0, 3},
        {"N\r\n100\r\n2\r\n" + e0 + "\r\n", 5}, // a count that lies
        {"N\r\n100\r\n0\r\n" + e0, 4},
        {"N\r\n100\r\n2\r\n" + e0 + e1 + ".00", 5}, // mixed depths
        {un + "0\t12.00\ttank\t-5.00\t4.00\t2147483648", 4},
        {un + e0 + "\t", 4},
        {un + "0\t12.00\ttank\t-5.00\t-100", 4},
        {un + "1\t12.00\ttank\t-5.00\t4.00\t-100", 4},
        {un + "0\t12,00\ttank\t-5.00\t4.00\t-100", 4},
        {un + "0\t-1.00\ttank\t-5.00\t4.00\t-100", 4},
        {un + "0\tinf\ttank\t-5.00\t4.00\t-100", 4},
        {un + "0\t12.00\tta\x1Fnk\t-5.00\t4.00\t-100", 4},
        {un + "0\t12.00\ttank\t-6.00\t4.00\t-100", 4},
        {un + "0\t12.00\ttank\t-5.00\t4.50\t-100", 4},
    };
    for (const auto& [texte, ligne] : cas) {
        std::ofstream("niveau.txt", std::ios::binary) << texte;
        const auto lu = lireNiveau("niveau.txt");
        const Refus* refus = std::get_if<Refus>(&lu);
        EXPECT_EQ(refus ? refus->ligne : 0, ligne) << texte << (refus ? refus->texte() : "");
        if (!refus && ligne == 0) { // rows read are given with LF alone
            std::string crlf = std::regex_replace(texte, std::regex("\n"), "\r\n");
            crlf += texte.back() == '\n' ? "" : "\r\n";
            EXPECT_TRUE(texteNiveau(std::get<s_niveau>(lu), FormeProfondeur::Entiere) == crlf ||
                        texteNiveau(std::get<s_niveau>(lu), FormeProfondeur::Decimale) == crlf)
                << texte;
        }
    }
    mkfifo("fifo", 0600);
    fs::create_symlink("/dev/zero", "zero");
    for (const char* chemin : {"fifo", "zero", ".", "absent"}) {
        const auto lu = lireNiveau(chemin);
        EXPECT_TRUE(std::holds_alternative<Refus>(lu) && std::get<Refus>(lu).ligne == 0) << chemin;
    }
}

// A refused or failed save changes nothing in the folder, "ennemi.tmp" included: when that is not
// a plain file of its own, it is neither written through nor removed.
TEST_F(Niveau, RefusesOrFailsAsAPlainOpenForWritingWouldButHarmsNothing)
{
    fs::create_directory("partage");
    for (const char* fichier : {"niveau.txt", "lecture.txt", "partage/niveau.txt"}) {
        std::ofstream(fichier) << "ancien niveau\r\n";
    }
    fs::permissions("lecture.txt", fs::perms::owner_read);
    fs::permissions("partage", fs::perms::owner_read | fs::perms::owner_exec);
    rlimit taille{};
    getrlimit(RLIMIT_FSIZE, &taille);
    static const rlimit petite{32, taille.rlim_max}; // static: a row function captures nothing
    std::signal(SIGXFSZ, SIG_IGN);                   // past the size limit a write fails with EFBIG
    const std::tuple<std::string, Ecriture, void (*)()> cas[] = {
        {std::string(250, 'n') + ".txt", Ecriture::Reussie, [] {}},
        {std::string("niveau.txt\0x", 12), Ecriture::CheminRefuse, [] {}},
        {"/dev/full", Ecriture::EcritureImpossible, [] {}},
        {"lecture.txt", Ecriture::EcritureImpossible, [] {}},
        {"partage/nouveau.txt", Ecriture::EcritureImpossible, [] {}},
        {"partage/niveau.txt", Ecriture::Reussie, [] {}},
        {"niveau.txt", Ecriture::EcritureImpossible, [] { setrlimit(RLIMIT_FSIZE, &petite); }},
        {"niveau.txt", Ecriture::FichierTemporaireImpossible,
         [] { fs::create_hard_link("niveau.txt", "ennemi.tmp"); }},
    };
    for (const auto& [chemin, attendue, preparer] : cas) {
        preparer();
        const auto avant = arborescence();
        EXPECT_EQ(enregistrerNiveau(EXEMPLE, chemin, FormeProfondeur::Entiere), attendue) << chemin;
        setrlimit(RLIMIT_FSIZE, &taille);
        // The bytes of a success are those of the example, checked with the other saves.
        EXPECT_EQ(arborescence() == avant, attendue != Ecriture::Reussie) << chemin;
        fs::remove("ennemi.tmp");
    }
    fs::permissions("partage", fs::perms::owner_all);
}

// The recovery copies' folder: the user's alone, its files replaced whole; a link, a FIFO or a
// folder in a file's place is neither followed, opened nor listed, and nothing goes into a folder
// that is a link, a file or another user's.
TEST_F(Niveau, APrivateFolderHoldsTheUsersOwnRegularFiles)
{
    ASSERT_TRUE(preparerDossierPrive("p/r"));
    fs::permissions("p/r", fs::perms::all);
    ASSERT_TRUE(ecrirePrive("p/r", "a.txt", "ancien") && ecrirePrive("p/r", "a.txt", "nouveau"));
    ASSERT_TRUE(ecrirePrive("p/r", "b.txt", "b") && ecrirePrive("p/r", ".c.txt", "c"));
    const timespec dates[2] = {{0, UTIME_OMIT}, {1, 0}}; // a.txt changed long before b.txt
    ASSERT_EQ(utimensat(AT_FDCWD, "p/r/a.txt", dates, 0), 0);
    fs::create_symlink("a.txt", "p/r/lien.txt");
    ASSERT_EQ(mkfifo("p/r/tube.txt", 0600), 0);
    fs::create_directory("p/r/d.txt");
    fs::create_symlink("r", "p/l");
    std::ofstream("p/f");
    for (const char* dossier : {"p", "p/r"}) {
        EXPECT_EQ(fs::status(dossier).permissions(), fs::perms::owner_all) << dossier;
    }
    EXPECT_EQ(fs::status("p/r/a.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    std::vector<std::string> noms;
    for (const FichierPrive& fichier : fichiersPrives("p/r", ".txt")) {
        noms.push_back(fichier.nom);
    }
    EXPECT_EQ(noms, (std::vector<std::string>{"b.txt", "a.txt"}));
    EXPECT_EQ(lirePrive("p/r", "a.txt", 7), "nouveau");
    EXPECT_EQ(lirePrive("p/r", "a.txt", 6), std::nullopt);
    for (const char* nom : {"lien.txt", "tube.txt", "d.txt"}) {
        EXPECT_EQ(lirePrive("p/r", nom, 100), std::nullopt) << nom;
        EXPECT_FALSE(absentOuOrdinaire("p/r", nom)) << nom;
    }
    EXPECT_TRUE(absentOuOrdinaire("p/r", "a.txt") && absentOuOrdinaire("p/r", "absent"));
    EXPECT_TRUE(supprimerPrive("p/r", "lien.txt") && supprimerPrive("p/r", "lien.txt"));
    EXPECT_EQ(lire("p/r/a.txt"), "nouveau");
    for (const char* dossier : {"p/l", "p/f", "p/f/g", "/tmp"}) {
        EXPECT_FALSE(preparerDossierPrive(dossier) || ecrirePrive(dossier, "x", "x")) << dossier;
    }
}
