#ifndef OMBRELIN_REPARTITION_H
#define OMBRELIN_REPARTITION_H

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// The median of a series and its quartiles: one slow run, a page fault or a context switch,
// moves none of them.
struct Repartition {
    double q1;
    double mediane;
    double q3;
};

inline Repartition repartition(std::vector<double> valeurs)
{
    std::sort(valeurs.begin(), valeurs.end());
    const auto rang = [&](std::size_t quarts) {
        return valeurs[(valeurs.size() - 1) * quarts / 4];
    };
    return {rang(1), rang(2), rang(3)};
}

// One row of the summary: "[n] what: median (quartiles) unit, goal: met or not". The figure
// meets the goal when its median is at most objectif (strictly below when strict); a figure that
// is not itself a ratio is also given as one, to its goal.
inline void afficherLigne(int numero, const char* quoi, const Repartition& r, const char* unite,
                          double objectif, bool strict)
{
    const bool atteint = strict ? r.mediane < objectif : r.mediane <= objectif;
    std::printf("[%d] %s : %.3g %s (quartiles %.3g – %.3g)", numero, quoi, r.mediane, unite, r.q1,
                r.q3);
    if (std::string(unite) != "×") {
        std::printf(", %.2f × l'objectif", r.mediane / objectif);
    }
    std::printf(" ; objectif %s %.3g %s : %s\n", strict ? "<" : "≤", objectif, unite,
                atteint ? "atteint" : "manqué");
    std::fflush(stdout);
}

#endif
