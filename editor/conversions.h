#ifndef OMBRELIN_CONVERSIONS_H
#define OMBRELIN_CONVERSIONS_H

#include <QString>

#include <optional>
#include <string>

// Decimal with an optional sign and nothing else; any other text, the empty one included,
// throws EConvertError.
int StrToInt(const QString& texte);

QString IntToStr(int valeur);

// The game reads level texts in Windows-1252: nothing outside it can be written into a level.
std::optional<std::string> versAnsi(const QString& texte);
// The reverse, for texts read from a level file, which holds no byte Windows-1252 leaves undefined.
QString depuisAnsi(const std::string& octets);

#endif
