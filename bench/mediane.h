#ifndef OMBRELIN_MEDIANE_H
#define OMBRELIN_MEDIANE_H

#include <algorithm>
#include <vector>

// Upper median: one slow run, a page fault or a context switch, does not move it.
inline double mediane(std::vector<double> valeurs)
{
    const auto milieu = valeurs.begin() + static_cast<std::ptrdiff_t>(valeurs.size() / 2);
    std::nth_element(valeurs.begin(), milieu, valeurs.end());
    return *milieu;
}

#endif
