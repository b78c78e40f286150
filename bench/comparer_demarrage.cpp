// Starts the editor and the floor program in turn and compares, by median, the time from process
// start to the first painted window and the peak memory. Each program prints the steady clock at
// its first paint and quits.
#include "mediane.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int NB_LANCEMENTS = 11;
constexpr double OBJECTIF = 1.25;

struct Lancement {
    double millisecondes;
    double mio; // maximum resident set size
};

[[noreturn]] void echouer(const char* quoi)
{
    std::perror(quoi);
    std::exit(1);
}

Lancement lancer(const char* programme)
{
    int tube[2];
    if (pipe(tube) != 0) {
        echouer("pipe");
    }
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        echouer("fork");
    }
    if (pid == 0) {
        dup2(tube[1], STDOUT_FILENO);
        close(tube[0]);
        close(tube[1]);
        execl(programme, programme, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[1]);
    std::string sortie;
    char tampon[256];
    for (ssize_t lu; (lu = read(tube[0], tampon, sizeof tampon)) > 0;) {
        sortie.append(tampon, static_cast<std::size_t>(lu));
    }
    close(tube[0]);
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0 ||
        sortie.empty()) {
        std::fprintf(stderr, "%s n'a pas signalé sa première peinture\n", programme);
        std::exit(1);
    }
    const std::chrono::steady_clock::time_point peinture{
        std::chrono::nanoseconds(std::stoll(sortie))};
    return {std::chrono::duration<double, std::milli>(peinture - debut).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

void comparer(const char* quoi, double editeur, double plancher, const char* unite)
{
    const double ratio = editeur / plancher;
    std::printf("  %-20s éditeur %7.2f %s   plancher %7.2f %s   %.3f × le plancher   "
                "(objectif ≤ %.2f × : %s)\n",
                quoi, editeur, unite, plancher, unite, ratio, OBJECTIF,
                ratio <= OBJECTIF ? "atteint" : "manqué");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage : %s EDITEUR PLANCHER\n", argv[0]);
        return 2;
    }
    // One untimed start each fills the disk and font caches for both.
    lancer(argv[1]);
    lancer(argv[2]);
    std::vector<double> temps[2], memoire[2];
    // Alternated, so that a slow moment of the machine weighs on both.
    for (int i = 0; i < NB_LANCEMENTS; ++i) {
        for (int p = 0; p < 2; ++p) {
            const Lancement lancement = lancer(argv[1 + p]);
            temps[p].push_back(lancement.millisecondes);
            memoire[p].push_back(lancement.mio);
        }
    }
    std::printf("Démarrage jusqu'à la première fenêtre peinte, médianes de %d lancements :\n",
                NB_LANCEMENTS);
    comparer("temps", mediane(temps[0]), mediane(temps[1]), "ms ");
    comparer("mémoire maximale", mediane(memoire[0]), mediane(memoire[1]), "Mio");
    return 0;
}
