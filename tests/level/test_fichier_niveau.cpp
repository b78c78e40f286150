#include "dossier_temporaire.h"
#include "fichier_niveau.h"

#include <clocale>
#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

s_niveau niveauParDefaut()
{
    s_niveau niveau;
    niveau.nom = "Niveau_1";
    niveau.duree = 100;
    niveau.profondeur = -100;
    return niveau;
}

// The example level: tank at the centre at 12 s, boss in the top-left corner at 50 s.
s_niveau niveauExemple()
{
    s_niveau niveau = niveauParDefaut();
    placerEnnemi(niveau, 5, 5, 12, "tank.ico");
    placerEnnemi(niveau, 0, 0, 50, "boss.ico");
    return niveau;
}

const char* const EXEMPLE_DECIMALE = "Niveau_1\r\n100\r\n2\r\n"
                                     "0\t12.00\ttank\t0.00\t0.00\t-100.00\r\n"
                                     "1\t50.00\tboss\t-5.00\t5.00\t-100.00\r\n";
const char* const EXEMPLE_ENTIERE = "Niveau_1\r\n100\r\n2\r\n"
                                    "0\t12.00\ttank\t0.00\t0.00\t-100\r\n"
                                    "1\t50.00\tboss\t-5.00\t5.00\t-100\r\n";

// Each fsync the writer makes, with what "niveau.txt" held at that moment.
std::vector<std::string> synchronisations;

// Saves as an ordinary user: root may write any file, so a root test runs it as nobody.
Ecriture enregistrerSansPrivilege(const s_niveau& niveau, const std::string& chemin)
{
    if (geteuid() != 0) {
        return enregistrerNiveau(niveau, chemin, FormeProfondeur::Entiere);
    }
    const pid_t enfant = fork();
    if (enfant == 0) {
        const bool nobody = setgid(65534) == 0 && setuid(65534) == 0;
        _exit(nobody ? static_cast<int>(enregistrerNiveau(niveau, chemin, FormeProfondeur::Entiere))
                     : 99);
    }
    int statut = 0;
    waitpid(enfant, &statut, 0);
    return static_cast<Ecriture>(WEXITSTATUS(statut));
}

} // namespace

extern "C" int fsync(int fd)
{
    struct stat etat {};
    fstat(fd, &etat);
    std::ifstream niveau("niveau.txt", std::ios::binary);
    synchronisations.push_back((S_ISDIR(etat.st_mode) ? "dossier " : "fichier ") +
                               std::string(std::istreambuf_iterator<char>(niveau), {}));
    return reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"))(fd);
}

using FichierNiveau = DansDossierTemporaire;

TEST_F(FichierNiveau, WritesEveryByteInBothDepthForms)
{
    const s_niveau niveau = niveauExemple();
    ASSERT_EQ(enregistrerNiveau(niveau, "sous.txt", FormeProfondeur::Decimale), Ecriture::Reussie);
    ASSERT_EQ(enregistrerNiveau(niveau, "simple.txt", FormeProfondeur::Entiere), Ecriture::Reussie);
    EXPECT_EQ(lire("sous.txt"), EXEMPLE_DECIMALE);
    EXPECT_EQ(lire("simple.txt"), EXEMPLE_ENTIERE);
    EXPECT_FALSE(fs::exists("ennemi.tmp"));
}

TEST_F(FichierNiveau, NoEnemyGivesThreeLinesAndAnEmptyNameAnEmptyFirstLine)
{
    s_niveau niveau = niveauParDefaut();
    ASSERT_EQ(enregistrerNiveau(niveau, "vide.txt", FormeProfondeur::Decimale), Ecriture::Reussie);
    EXPECT_EQ(lire("vide.txt"), "Niveau_1\r\n100\r\n0\r\n");

    niveau.nom.clear();
    ASSERT_EQ(enregistrerNiveau(niveau, "vide.txt", FormeProfondeur::Decimale), Ecriture::Reussie);
    EXPECT_EQ(lire("vide.txt"), "\r\n100\r\n0\r\n");
}

TEST_F(FichierNiveau, PositiveDepthEightBitNamesAndLateEnemiesAreWrittenAsTheyAre)
{
    s_niveau niveau = niveauParDefaut();
    niveau.nom = "Ca\xF1on d'\xE9t\xE9";
    niveau.profondeur = 5;
    niveau.duree = 10;
    placerEnnemi(niveau, 10, 10, 999,
                 "\xE9"
                 "clair.ico");
    const std::string ligne = "0\t999.00\t\xE9"
                              "clair\t5.00\t-5.00\t";
    const std::string entete = "Ca\xF1on d'\xE9t\xE9\r\n10\r\n1\r\n";

    ASSERT_EQ(enregistrerNiveau(niveau, "a.txt", FormeProfondeur::Entiere), Ecriture::Reussie);
    EXPECT_EQ(lire("a.txt"), entete + ligne + "5\r\n");
    ASSERT_EQ(enregistrerNiveau(niveau, "a.txt", FormeProfondeur::Decimale), Ecriture::Reussie);
    EXPECT_EQ(lire("a.txt"), entete + ligne + "5.00\r\n");
}

TEST_F(FichierNiveau, DecimalPointUnderACommaLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr)
        << "the fr_FR.UTF-8 locale must be installed (./test.sh generates it)";
    char virgule[16];
    std::snprintf(virgule, sizeof virgule, "%0.2f", 12.0);
    const bool localeActive = std::string(virgule) == "12,00";
    const Ecriture ecriture =
        enregistrerNiveau(niveauExemple(), "fr.txt", FormeProfondeur::Decimale);
    std::setlocale(LC_ALL, "C");

    ASSERT_TRUE(localeActive) << "printf wrote " << virgule;
    ASSERT_EQ(ecriture, Ecriture::Reussie);
    EXPECT_EQ(lire("fr.txt"), EXEMPLE_DECIMALE);
}

TEST_F(FichierNiveau, ReplacesAFileWholeFlushedBeforeTheRenameAndTheFolderAfter)
{
    ecrire("niveau.txt", std::string(5000, 'z'));
    fs::permissions("niveau.txt", fs::perms::owner_read | fs::perms::owner_write);
    for (int i = 0; i < 100; ++i) {
        ecrire(".ombrelin-" + std::to_string(i) + ".tmp", "reste d'un autre enregistrement");
    }
    synchronisations.clear();
    ASSERT_EQ(enregistrerNiveau(niveauExemple(), "niveau.txt", FormeProfondeur::Entiere),
              Ecriture::Reussie);
    EXPECT_EQ(lire("niveau.txt"), EXEMPLE_ENTIERE);
    EXPECT_EQ(fs::status("niveau.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(synchronisations,
              (std::vector<std::string>{"fichier " + std::string(5000, 'z'),
                                        std::string("dossier ") + EXEMPLE_ENTIERE}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier_), {}), 101) << "a temporary file left";
}

TEST_F(FichierNiveau, WritesThroughASymbolicLinkAndKeepsIt)
{
    ecrire("vrai.txt", "ancien");
    fs::create_symlink("vrai.txt", "lien.txt");
    ASSERT_EQ(enregistrerNiveau(niveauExemple(), "lien.txt", FormeProfondeur::Entiere),
              Ecriture::Reussie);
    EXPECT_TRUE(fs::is_symlink("lien.txt"));
    EXPECT_EQ(lire("vrai.txt"), EXEMPLE_ENTIERE);
}

TEST(VerifierTemps, ReportsEachLateEnemyInOrderAndLetsEqualTimesPass)
{
    s_niveau niveau = niveauParDefaut();
    for (int temps : {100, 101, 0, 250, 100, 102}) {
        placerEnnemi(niveau, 0, 0, temps, "tank.ico");
    }
    std::vector<int> retards;
    verifierTemps(niveau, [&](int indice) { retards.push_back(indice); });
    EXPECT_EQ(retards, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(niveau.nbEnnemis, 6) << "the check changes nothing";

    retards.clear();
    niveau.duree = 0;
    verifierTemps(niveau, [&](int indice) { retards.push_back(indice); });
    EXPECT_EQ(retards.size(), 5u) << "only the enemy at 0 s fits a mission of 0 s";
}

// Every failure: a clear result, and whatever was at the target before is still there whole.
class EchecDEcriture : public DansDossierTemporaire {
protected:
    void SetUp() override
    {
        DansDossierTemporaire::SetUp();
        ecrire("niveau.txt", "ancien niveau\r\n");
    }

    void attendreIntact() const
    {
        EXPECT_EQ(lire("niveau.txt"), "ancien niveau\r\n");
        for (const auto& entree : fs::directory_iterator(dossier_)) {
            EXPECT_EQ(entree.path().filename(), "niveau.txt") << "left behind: " << entree.path();
        }
    }

    s_niveau niveau = niveauExemple();
};

TEST_F(EchecDEcriture, PathLongerThan254BytesIsRefusedNotCut)
{
    // A 255-byte path whose first 254 bytes name the existing level: a cut would overwrite it.
    const std::string chemin = "niveau.txt/" + std::string(244, 'x');
    ASSERT_EQ(chemin.size(), 255u);
    EXPECT_EQ(enregistrerNiveau(niveau, chemin, FormeProfondeur::Entiere), Ecriture::CheminRefuse);
    for (const char* coupe : {"niveau.txt\nautre", "niveau.txt\n", "sous\n/niveau.txt"}) {
        EXPECT_EQ(enregistrerNiveau(niveau, coupe, FormeProfondeur::Entiere),
                  Ecriture::CheminRefuse)
            << coupe;
    }
    EXPECT_EQ(enregistrerNiveau(niveau, std::string("niveau.txt\0x", 12), FormeProfondeur::Entiere),
              Ecriture::CheminRefuse);
    attendreIntact();
}

TEST_F(EchecDEcriture, PathOfExactly254BytesIsWritten)
{
    const std::string sousDossier(200, 'd');
    fs::create_directory(sousDossier);
    const std::string chemin = sousDossier + "/" + std::string(49, 'n') + ".txt";
    ASSERT_EQ(chemin.size(), 254u);
    EXPECT_EQ(enregistrerNiveau(niveau, chemin, FormeProfondeur::Entiere), Ecriture::Reussie);
    EXPECT_EQ(lire(chemin), EXEMPLE_ENTIERE);
}

TEST_F(EchecDEcriture, MissingDirectoryOrADirectoryInTheWay)
{
    EXPECT_EQ(enregistrerNiveau(niveau, "absent/niveau.txt", FormeProfondeur::Entiere),
              Ecriture::EcritureImpossible);
    fs::remove("niveau.txt");
    fs::create_directory("niveau.txt");
    EXPECT_EQ(enregistrerNiveau(niveau, "niveau.txt", FormeProfondeur::Entiere),
              Ecriture::EcritureImpossible);
    EXPECT_TRUE(fs::is_directory("niveau.txt"));
}

TEST_F(EchecDEcriture, FolderAndFilePermissionsAreThoseOfAPlainOpenForWriting)
{
    fs::permissions(dossier_, fs::perms::all); // the ordinary user works here too
    fs::permissions("niveau.txt",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory("partage");
    ecrire("partage/niveau.txt", "ancien niveau\r\n");
    fs::permissions("partage/niveau.txt",
                    fs::perms::all &
                        ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    fs::permissions("partage", fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    const struct {
        const char* chemin;
        Ecriture attendue;
        const char* contenu; // nullptr: no file
    } cas[] = {
        {"niveau.txt", Ecriture::EcritureImpossible, "ancien niveau\r\n"}, // read-only file
        {"partage/niveau.txt", Ecriture::Reussie, EXEMPLE_ENTIERE},        // rewritten in place
        {"partage/nouveau.txt", Ecriture::EcritureImpossible, nullptr},    // read-only folder
    };
    for (const auto& c : cas) {
        EXPECT_EQ(enregistrerSansPrivilege(niveau, c.chemin), c.attendue) << c.chemin;
        EXPECT_EQ(fs::exists(c.chemin), c.contenu != nullptr) << c.chemin;
        if (c.contenu != nullptr) {
            EXPECT_EQ(lire(c.chemin), c.contenu) << c.chemin;
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("partage"), {}), 1);
    fs::permissions("partage", fs::perms::owner_all);
}

TEST_F(EchecDEcriture, ADeviceIsNeverReplaced)
{
    EXPECT_EQ(enregistrerNiveau(niveau, "/dev/full", FormeProfondeur::Entiere),
              Ecriture::EcritureImpossible);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    attendreIntact();
}

TEST_F(EchecDEcriture, FileCutShortByTheFileSystemLeavesThePreviousOne)
{
    // The same failure as a full disk: the file system refuses bytes past a limit.
    rlimit avant{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant), 0);
    rlimit petit = avant;
    petit.rlim_cur = 64;
    const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petit), 0);
    const Ecriture ecriture = enregistrerNiveau(niveau, "niveau.txt", FormeProfondeur::Entiere);
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_EQ(ecriture, Ecriture::EcritureImpossible);
    attendreIntact();
}

TEST_F(EchecDEcriture, UnusableScratchFileWritesNothing)
{
    fs::create_directory("ennemi.tmp");
    EXPECT_EQ(enregistrerNiveau(niveau, "niveau.txt", FormeProfondeur::Entiere),
              Ecriture::FichierTemporaireImpossible);
    EXPECT_EQ(lire("niveau.txt"), "ancien niveau\r\n");
}
