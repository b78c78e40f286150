// Starts the editor and its two floors in turn under one X server, and times each start from exec
// to the first pixels its window puts on the screen, as the DAMAGE extension reports them on the
// root window. Peak memory is the maximum resident size once the start has settled.
#include "repartition.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

constexpr int NB_TOURS = 21;

[[noreturn]] void echouer(const std::string& quoi)
{
    std::fprintf(stderr, "comparer_demarrage : %s\n", quoi.c_str());
    std::exit(1);
}

struct Programme {
    const char* chemin;
    const char* dossier; // its current directory
};

struct Lancement {
    double millisecondes;
    double mio;
};

// The X server as this program watches it: windows mapped on the root, and drawing anywhere.
class Ecran {
public:
    Ecran() : connexion_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connexion_) != 0) {
            echouer("pas de serveur X (DISPLAY)");
        }
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connexion_, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            echouer("le serveur X n'a pas l'extension DAMAGE");
        }
        premierEvenementDamage_ = damage->first_event;
        free(xcb_damage_query_version_reply(connexion_, xcb_damage_query_version(connexion_, 1, 1),
                                            nullptr));
        const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(connexion_)).data->root;
        const uint32_t masque = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connexion_, racine, XCB_CW_EVENT_MASK, &masque);
        // Raw rectangles: one event per drawing, with nothing to acknowledge.
        xcb_damage_create(connexion_, xcb_generate_id(connexion_), racine,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        attendreCalme();
    }

    ~Ecran() { xcb_disconnect(connexion_); }

    Ecran(const Ecran&) = delete;
    Ecran& operator=(const Ecran&) = delete;

    // Waits at most delai for the next event and counts it; true when something was drawn while
    // a window is mapped.
    bool attendreDessin(std::chrono::milliseconds delai)
    {
        pollfd attente{xcb_get_file_descriptor(connexion_), POLLIN, 0};
        std::unique_ptr<xcb_generic_event_t, decltype(&free)> evenement(
            xcb_poll_for_event(connexion_), &free);
        if (!evenement && poll(&attente, 1, static_cast<int>(delai.count())) > 0) {
            evenement.reset(xcb_poll_for_event(connexion_));
        }
        if (xcb_connection_has_error(connexion_) != 0) {
            echouer("connexion au serveur X perdue");
        }
        if (!evenement) {
            return false;
        }
        const int type = evenement->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY) {
            ++fenetresAffichees_;
        } else if (type == XCB_UNMAP_NOTIFY) {
            --fenetresAffichees_;
        }
        return type == premierEvenementDamage_ + XCB_DAMAGE_NOTIFY && fenetresAffichees_ > 0;
    }

    // Once the previous program's windows are gone: every event they caused, the root's repaint
    // included, is read before the next start.
    void attendreCalme()
    {
        const auto limite = Horloge::now() + std::chrono::seconds(10);
        while (fenetresAffichees_ > 0 && Horloge::now() < limite) {
            attendreDessin(std::chrono::milliseconds(100));
        }
        free(xcb_get_input_focus_reply(connexion_, xcb_get_input_focus(connexion_), nullptr));
        while (xcb_generic_event_t* evenement = xcb_poll_for_event(connexion_)) {
            free(evenement);
        }
        fenetresAffichees_ = 0;
    }

private:
    xcb_connection_t* connexion_;
    int premierEvenementDamage_ = 0;
    int fenetresAffichees_ = 0;
};

// User and system CPU time of the process so far, in clock ticks.
long long tempsProcesseur(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string ligne;
    std::getline(stat, ligne);
    // Fields 14 and 15, counted after the command name, which may hold spaces.
    std::size_t position = ligne.rfind(')');
    for (int champ = 2; champ < 14 && position != std::string::npos; ++champ) {
        position = ligne.find(' ', position + 1);
    }
    if (position == std::string::npos) {
        return -1;
    }
    char* fin = nullptr;
    const long long utilisateur = std::strtoll(ligne.c_str() + position, &fin, 10);
    return utilisateur + std::strtoll(fin, nullptr, 10);
}

Lancement lancer(Ecran& ecran, const Programme& programme)
{
    const auto debut = Horloge::now();
    const pid_t pid = fork();
    if (pid < 0) {
        echouer("fork impossible");
    }
    if (pid == 0) {
        if (chdir(programme.dossier) == 0) {
            execl(programme.chemin, programme.chemin, static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    const auto limite = debut + std::chrono::seconds(30);
    while (!ecran.attendreDessin(std::chrono::milliseconds(50))) {
        if (Horloge::now() > limite || waitpid(pid, nullptr, WNOHANG) == pid) {
            echouer(std::string(programme.chemin) + " n'a rien affiché");
        }
    }
    const std::chrono::duration<double, std::milli> pixels = Horloge::now() - debut;
    // Settled once it has used no processor for 100 ms: what it does after the first paint
    // (listing a folder in the background, say) counts in its peak memory.
    for (long long avant = -2, maintenant = tempsProcesseur(pid); avant != maintenant;) {
        const auto pause = Horloge::now() + std::chrono::milliseconds(100);
        while (Horloge::now() < pause) {
            ecran.attendreDessin(std::chrono::milliseconds(10));
        }
        avant = maintenant;
        maintenant = tempsProcesseur(pid);
    }
    kill(pid, SIGTERM);
    int statut = 0;
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) != pid || !WIFSIGNALED(statut)) {
        echouer(std::string(programme.chemin) + " s'est arrêté de lui-même");
    }
    ecran.attendreCalme();
    return {pixels.count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

std::vector<double> ratios(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> r;
    for (std::size_t i = 0; i < a.size(); ++i) {
        r.push_back(a[i] / b[i]);
    }
    return r;
}

void afficherValeurs(const char* quoi, const std::vector<double>& valeurs, const char* unite)
{
    const Repartition r = repartition(valeurs);
    std::printf("  %-34s %8.1f %s (quartiles %.1f – %.1f)\n", quoi, r.mediane, unite, r.q1, r.q3);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(
            stderr, "usage : %s EDITEUR PLANCHER_QLABEL PLANCHER_UI DOSSIER_ICONES GRAND_DOSSIER\n",
            argv[0]);
        return 2;
    }
    const std::vector<Programme> programmes{
        {argv[1], argv[4]}, {argv[2], argv[4]}, {argv[3], argv[4]}, {argv[1], argv[5]}};
    const char* noms[] = {"éditeur dans icones/", "plancher : un QLabel 595 × 503",
                          "plancher : le .ui, widgets Qt", "éditeur, dossier de 20 000 icônes"};
    Ecran ecran;
    // One untimed start each fills the disk and font caches.
    for (const Programme& programme : programmes) {
        lancer(ecran, programme);
    }
    std::vector<double> temps[4], memoire[4];
    // Interleaved, the order turning each round, so that a busy moment of the machine or a
    // place in the round weighs on every program alike.
    for (int tour = 0; tour < NB_TOURS; ++tour) {
        for (std::size_t k = 0; k < programmes.size(); ++k) {
            const std::size_t p = (k + static_cast<std::size_t>(tour)) % programmes.size();
            const Lancement lancement = lancer(ecran, programmes[p]);
            temps[p].push_back(lancement.millisecondes);
            memoire[p].push_back(lancement.mio);
        }
    }
    std::printf("Démarrage sous Xvfb, de exec aux premiers pixels (DAMAGE), %d tours alternés :\n",
                NB_TOURS);
    for (std::size_t p = 0; p < programmes.size(); ++p) {
        std::printf(" %s\n", noms[p]);
        afficherValeurs("temps", temps[p], "ms ");
        afficherValeurs("mémoire maximale", memoire[p], "Mio");
    }
    // Each ratio is taken within one round, then summarised over the rounds.
    afficherLigne(1, "démarrage contre un QLabel 595 × 503",
                  repartition(ratios(temps[0], temps[1])), "×", 1.15, false);
    afficherLigne(2, "mémoire maximale au démarrage, même plancher",
                  repartition(ratios(memoire[0], memoire[1])), "×", 1.12, false);
    afficherLigne(3, "démarrage contre le même .ui en widgets Qt",
                  repartition(ratios(temps[0], temps[2])), "×", 1.05, false);
    afficherLigne(4, "démarrage dans 20 000 icônes contre icones/",
                  repartition(ratios(temps[3], temps[0])), "×", 1.2, false);
    afficherLigne(5, "mémoire maximale dans 20 000 icônes contre icones/",
                  repartition(ratios(memoire[3], memoire[0])), "×", 1.15, false);
    return 0;
}
