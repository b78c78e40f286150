// The level library against the plain C streams doing the same file work.
#include "fichier_niveau.h"
#include "lecture_niveau.h"
#include "niveau.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string ICONE = "tank.ico";
const char* const FICHIER_TEMP = "ennemi.tmp";

std::FILE* ouvrir(const char* chemin, const char* mode)
{
    std::FILE* fichier = std::fopen(chemin, mode);
    if (fichier == nullptr) {
        std::perror(chemin);
        std::exit(1);
    }
    return fichier;
}

// Cell by cell, as a designer fills the grid.
void remplir(s_niveau& niveau)
{
    niveau.nbEnnemis = 0;
    for (int i = 0; i < NB_MAX_ENNEMIS; ++i) {
        placerEnnemi(niveau, i % 11, i / 11, i, ICONE);
    }
}

void placer100(benchmark::State& etat)
{
    s_niveau niveau;
    for (auto _ : etat) {
        remplir(niveau);
    }
    if (niveau.nbEnnemis != NB_MAX_ENNEMIS) {
        etat.SkipWithError("placerEnnemi a refusé un ennemi");
    }
}

// The bare calls that each placement makes on the scratch file: write the icon name, read back
// the bytes before ".ico", remove the file. What placerEnnemi adds is its buffers and its checks.
void fluxPlacer100(benchmark::State& etat)
{
    char type[sizeof "tank"];
    for (auto _ : etat) {
        for (int i = 0; i < NB_MAX_ENNEMIS; ++i) {
            std::FILE* fichier = ouvrir(FICHIER_TEMP, "w");
            std::fputs(ICONE.c_str(), fichier);
            std::fclose(fichier);
            fichier = ouvrir(FICHIER_TEMP, "r");
            benchmark::DoNotOptimize(std::fgets(type, sizeof type, fichier));
            std::fclose(fichier);
            std::remove(FICHIER_TEMP);
        }
    }
}

const s_niveau& niveauDeCent()
{
    static const s_niveau niveau = [] {
        s_niveau plein;
        plein.nom = "Niveau_1";
        plein.duree = 100;
        plein.profondeur = -100;
        remplir(plein);
        return plein;
    }();
    return niveau;
}

void enregistrer100(benchmark::State& etat)
{
    for (auto _ : etat) {
        if (enregistrerNiveau(niveauDeCent(), "niveau.txt", FormeProfondeur::Decimale) !=
            Ecriture::Reussie) {
            etat.SkipWithError("enregistrerNiveau a échoué");
            break;
        }
    }
}

// The same bytes in one fopen/fwrite/fclose. A fresh file each time, as enregistrerNiveau writes
// a fresh file and drops the old one in its rename, or over the previous file: on ext4, writing
// over a truncated file waits for the previous write to reach the disk.
void fluxEnregistrer100(benchmark::State& etat, bool fichierNeuf)
{
    if (enregistrerNiveau(niveauDeCent(), "reference.txt", FormeProfondeur::Decimale) !=
        Ecriture::Reussie) {
        etat.SkipWithError("enregistrerNiveau a échoué");
        return;
    }
    std::ifstream reference("reference.txt", std::ios::binary);
    const std::string contenu{std::istreambuf_iterator<char>(reference),
                              std::istreambuf_iterator<char>()};
    for (auto _ : etat) {
        std::FILE* fichier = ouvrir("flux.txt", "wb");
        std::fwrite(contenu.data(), 1, contenu.size(), fichier);
        std::fclose(fichier);
        if (fichierNeuf) {
            std::remove("flux.txt");
        }
    }
}

// Reading the level back: the checks of every field against the bare bytes.
void lire100(benchmark::State& etat)
{
    enregistrerNiveau(niveauDeCent(), "lu.txt", FormeProfondeur::Decimale);
    for (auto _ : etat) {
        const std::variant<s_niveau, Refus> lu = lireNiveau("lu.txt");
        if (!std::holds_alternative<s_niveau>(lu)) {
            etat.SkipWithError("lireNiveau a refusé le niveau écrit");
            break;
        }
    }
}

void fluxLire100(benchmark::State& etat)
{
    enregistrerNiveau(niveauDeCent(), "lu.txt", FormeProfondeur::Decimale);
    char octets[TAILLE_MAX_NIVEAU];
    for (auto _ : etat) {
        std::FILE* fichier = ouvrir("lu.txt", "rb");
        benchmark::DoNotOptimize(std::fread(octets, 1, sizeof octets, fichier));
        std::fclose(fichier);
    }
}

void regler(benchmark::internal::Benchmark* mesure)
{
    mesure->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(10)->ReportAggregatesOnly();
}

BENCHMARK(placer100)->Apply(regler);
BENCHMARK(fluxPlacer100)->Apply(regler);
BENCHMARK(enregistrer100)->Apply(regler);
BENCHMARK_CAPTURE(fluxEnregistrer100, neuf, true)->Apply(regler);
BENCHMARK_CAPTURE(fluxEnregistrer100, enPlace, false)->Apply(regler);
BENCHMARK(lire100)->Apply(regler);
BENCHMARK(fluxLire100)->Apply(regler);

// The console report, keeping each benchmark's median wall time for the ratios.
class Medianes : public benchmark::ConsoleReporter {
public:
    Medianes() : ConsoleReporter(OO_None) {} // plain text: the report is also read from a log

    void ReportRuns(const std::vector<Run>& mesures) override
    {
        ConsoleReporter::ReportRuns(mesures);
        for (const Run& mesure : mesures) {
            if (mesure.run_type == Run::RT_Aggregate && mesure.aggregate_name == "median") {
                valeurs[mesure.run_name.function_name] = mesure.GetAdjustedRealTime();
            }
        }
    }

    void comparer(const char* quoi, const std::string& bibliotheque, const std::string& flux) const
    {
        const auto b = valeurs.find(bibliotheque);
        const auto f = valeurs.find(flux);
        if (b != valeurs.end() && f != valeurs.end()) {
            std::printf("%s : %.2f × le flux simple (%.1f µs contre %.1f µs, médianes)\n", quoi,
                        b->second / f->second, b->second, f->second);
        }
    }

private:
    std::map<std::string, double> valeurs;
};

} // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    // The scratch file and the level files go to a directory of their own.
    const fs::path precedent = fs::current_path();
    std::string dossier = (fs::temp_directory_path() / "ombrelin-bench-XXXXXX").string();
    if (mkdtemp(dossier.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    fs::current_path(dossier);
    Medianes rapport;
    benchmark::RunSpecifiedBenchmarks(&rapport);
    fs::current_path(precedent);
    fs::remove_all(dossier);
    rapport.comparer("placer 100 ennemis", "placer100", "fluxPlacer100");
    rapport.comparer("enregistrer un niveau de 100 ennemis", "enregistrer100",
                     "fluxEnregistrer100/neuf");
    rapport.comparer("enregistrer un niveau de 100 ennemis, flux réécrivant le même fichier",
                     "enregistrer100", "fluxEnregistrer100/enPlace");
    rapport.comparer("lire un niveau de 100 ennemis", "lire100", "fluxLire100");
    return 0;
}
