#include "copie_fichier_temp.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const FICHIER_TEMP = "ennemi.tmp";

bool ecrire(std::FILE* fichier, const std::string& texte)
{
    // Like "%s": the text ends at its first zero byte.
    const bool ecrit = std::fputs(texte.c_str(), fichier) >= 0;
    return std::fclose(fichier) == 0 && ecrit;
}

bool lireLigne(std::vector<char>& tampon)
{
    std::FILE* fichier = std::fopen(FICHIER_TEMP, "r");
    if (fichier == nullptr) {
        return false;
    }
    // An empty file gives no line and leaves the zeroed buffer as the empty text.
    const bool lu =
        std::fgets(tampon.data(), static_cast<int>(tampon.size()), fichier) != nullptr ||
        !std::ferror(fichier);
    std::fclose(fichier);
    return lu;
}

} // namespace

std::optional<std::string> copieParFichierTemp(const std::string& texte, int limite)
{
    if (limite < 1) {
        limite = 255;
    }
    // The read never returns more than was written, so a buffer longer than the text is useless.
    std::vector<char> tampon(
        std::min<std::size_t>(static_cast<std::size_t>(limite), texte.size() + 1), '\0');
    std::FILE* fichier = std::fopen(FICHIER_TEMP, "w");
    if (fichier == nullptr) {
        return std::nullopt; // not ours to remove: it may be a directory of that name
    }
    const bool copie = ecrire(fichier, texte) && lireLigne(tampon);
    std::remove(FICHIER_TEMP);
    if (!copie) {
        return std::nullopt;
    }
    return std::string(tampon.data());
}
