#ifndef OMBRELIN_COPIE_FICHIER_TEMP_H
#define OMBRELIN_COPIE_FICHIER_TEMP_H

#include <optional>
#include <string>

// Copies texte by writing it to the scratch file "ennemi.tmp" of the current directory and reading
// one line back into a buffer of limite bytes (255 when limite < 1): at most limite - 1 bytes,
// stopping after a line break. The scratch file is gone afterwards, even one that was there
// before. Nothing is returned when the scratch file cannot be written or read.
std::optional<std::string> copieParFichierTemp(const std::string& texte, int limite);

#endif
