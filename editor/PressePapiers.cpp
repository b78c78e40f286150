#include "PressePapiers.h"

#include "conversions.h"
#include "fichier_niveau.h"

#include <QClipboard>
#include <QGuiApplication>

void copierEnnemis(const s_niveau& niveau, const std::vector<int>& indices)
{
    QGuiApplication::clipboard()->setText(depuisAnsi(texteEnnemis(niveau, indices)));
}

std::variant<std::vector<Ennemi>, Refus> ennemisCopies()
{
    // A character becomes at most one byte: one past the bound tells a larger text, converted no
    // further. Outside Windows-1252 it becomes a byte the game leaves undefined, which the
    // reader refuses at its line.
    const QString texte = QGuiApplication::clipboard()->text().left(TAILLE_MAX_NIVEAU + 1);
    return lireEnnemis(versAnsi(texte, '\x81'));
}
