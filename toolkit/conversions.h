#ifndef OMBRELIN_CONVERSIONS_H
#define OMBRELIN_CONVERSIONS_H

#include <QString>

#include <optional>
#include <string>

// Decimal with an optional sign and nothing else; any other text, the empty one included,
// throws EConvertError.
int StrToInt(const QString& texte);

QString IntToStr(int valeur);

// 8-bit texts are Windows-1252, the ANSI code page: nothing outside it converts.
std::optional<std::string> versAnsi(const QString& texte);
// The same, each character outside it becoming the byte horsPlage.
std::string versAnsi(const QString& texte, char horsPlage);
// The reverse, for bytes that hold none of the five that Windows-1252 leaves undefined.
QString depuisAnsi(const std::string& octets);

#endif
