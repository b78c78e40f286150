#include "copie_fichier_temp.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const FICHIER_TEMP = "ennemi.tmp";

// Another editor in the same folder may hold the scratch file: give it a few turns.
constexpr int NB_ESSAIS = 100;

// Opens the scratch file for this copy alone, truncated and locked: never through a link, never
// anything but a plain file with no other name, and still the one named "ennemi.tmp" once the
// lock is held, since the editor that held it before removes that name when it is done.
std::FILE* ouvrirFichierTemp()
{
    for (int essai = 0; essai < NB_ESSAIS; ++essai) {
        // O_NONBLOCK: a FIFO of that name must not hang the editor.
        const int fd =
            ::open(FICHIER_TEMP, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) {
            return nullptr;
        }
        struct stat ouvert {};
        struct stat nomme {};
        const bool regulier =
            ::fstat(fd, &ouvert) == 0 && S_ISREG(ouvert.st_mode) && ouvert.st_nlink <= 1;
        if (!regulier || ::flock(fd, LOCK_EX) != 0) {
            ::close(fd);
            return nullptr;
        }
        if (::fstat(fd, &ouvert) == 0 && ouvert.st_nlink == 1 &&
            ::lstat(FICHIER_TEMP, &nomme) == 0 && nomme.st_ino == ouvert.st_ino &&
            nomme.st_dev == ouvert.st_dev) {
            std::FILE* fichier = ::ftruncate(fd, 0) == 0 ? ::fdopen(fd, "w+") : nullptr;
            if (fichier == nullptr) {
                ::close(fd);
            }
            return fichier;
        }
        ::close(fd); // removed by the editor that held it: open the new one
    }
    return nullptr;
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
    std::FILE* fichier = ouvrirFichierTemp();
    if (fichier == nullptr) {
        return std::nullopt; // not ours to remove: a link, a directory or another editor's file
    }
    // Like "%s": the text ends at its first zero byte. It is read back through the same open
    // file, so no other editor's text can come in between.
    bool copie = std::fputs(texte.c_str(), fichier) >= 0 && std::fflush(fichier) == 0;
    if (copie) {
        std::rewind(fichier);
        // An empty file gives no line and leaves the zeroed buffer as the empty text.
        copie = std::fgets(tampon.data(), static_cast<int>(tampon.size()), fichier) != nullptr ||
                !std::ferror(fichier);
    }
    std::remove(FICHIER_TEMP); // still ours: the lock holds until the file is closed
    copie = std::fclose(fichier) == 0 && copie;
    if (!copie) {
        return std::nullopt;
    }
    return std::string(tampon.data());
}
