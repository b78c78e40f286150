#include "conversions.h"

#include "erreurs.h"

#include <algorithm>
#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five holes there stay refused.
constexpr std::array<char16_t, 32> PLAGE_80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> octetAnsi(char16_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    const auto trouve = std::find(PLAGE_80.begin(), PLAGE_80.end(), code);
    if (trouve == PLAGE_80.end()) {
        return std::nullopt;
    }
    return static_cast<char>(0x80 + (trouve - PLAGE_80.begin()));
}

} // namespace

int StrToInt(const QString& texte)
{
    static const auto estChiffre = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const bool signe = texte.startsWith(u'-') || texte.startsWith(u'+');
    const QStringView chiffres = QStringView(texte).mid(signe ? 1 : 0);
    bool valide = !chiffres.isEmpty() && std::all_of(chiffres.begin(), chiffres.end(), estChiffre);
    const int valeur = valide ? texte.toInt(&valide) : 0; // toInt refuses what overflows an int
    if (!valide) {
        throw EConvertError(
            QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(texte));
    }
    return valeur;
}

QString IntToStr(int valeur) { return QString::number(valeur); }

std::optional<std::string> versAnsi(const QString& texte)
{
    std::string octets;
    octets.reserve(static_cast<std::size_t>(texte.size()));
    for (const QChar c : texte) {
        const std::optional<char> octet = octetAnsi(c.unicode());
        if (!octet) {
            return std::nullopt;
        }
        octets += *octet;
    }
    return octets;
}

std::string versAnsi(const QString& texte, char horsPlage)
{
    std::string octets;
    octets.reserve(static_cast<std::size_t>(texte.size()));
    for (const QChar c : texte) {
        octets += octetAnsi(c.unicode()).value_or(horsPlage);
    }
    return octets;
}

QString depuisAnsi(const std::string& octets)
{
    QString texte;
    texte.reserve(static_cast<qsizetype>(octets.size()));
    for (const char c : octets) {
        const auto octet = static_cast<unsigned char>(c);
        texte += QChar(octet >= 0x80 && octet < 0xA0 ? PLAGE_80[octet - 0x80] : char16_t(octet));
    }
    return texte;
}
