#!/usr/bin/env bash
# Drives the real editor in its own virtual X server with real mouse and keyboard events: places
# enemies, changes the duration and the name, saves twice, then checks both files byte for byte
# and the grid's pixels on the screen.
# Usage: parcours.sh OMBRELIN DOSSIER_SOURCES
set -euo pipefail
export LC_ALL=C # the expected files below are printed with a decimal point

[ $# -eq 2 ] || { echo "Usage : $0 OMBRELIN DOSSIER_SOURCES" >&2; exit 2; }
ombrelin=$(realpath "$1")
sources=$(realpath "$2")
DELAI=10 # seconds allowed to each awaited change of the screen, the files or the process

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}
etape() { echo "-- $*"; }

for outil in Xvfb xdotool import convert compare cmp; do
    command -v "$outil" >/dev/null || echec "outil absent : $outil (./test.sh l'installe)"
done
[ -x "$ombrelin" ] || echec "éditeur introuvable : $ombrelin"

travail=$(mktemp -d -t ombrelin-e2e-XXXXXX) # no dot: the path must hold no ".txt"
pid_x=
pid_editeur=
fin_attendue= # set once the editor is asked to quit
ecart=        # why the last grid comparison failed
terminer() {
    local code=$?
    if [ -n "$pid_editeur" ]; then kill "$pid_editeur" 2>/dev/null || true; fi
    if [ -n "$pid_x" ]; then kill "$pid_x" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    if [ "$code" -eq 0 ]; then
        rm -rf "$travail"
    else
        echo "Journal de l'éditeur :" >&2
        cat "$travail/journal" >&2 2>/dev/null || true
        echo "Dernière capture et fichiers gardés dans $travail" >&2
    fi
}
trap terminer EXIT

editeur_vivant() {
    local etat=Z
    [ -n "$pid_editeur" ] && read -r _ _ etat _ 2>/dev/null <"/proc/$pid_editeur/stat"
    [ "$etat" != Z ]
}
editeur_termine() { ! editeur_vivant; }

# Polls a command every tenth of a second until it succeeds, failing after DELAI seconds.
attendre() {
    local quoi=$1 limite=$((SECONDS + DELAI))
    shift
    until "$@"; do
        if [ -n "$pid_editeur" ] && [ -z "$fin_attendue" ] && ! editeur_vivant; then
            echec "l'éditeur s'est arrêté en attendant $quoi"
        fi
        [ "$SECONDS" -lt "$limite" ] || echec "délai dépassé en attendant $quoi${ecart:+ ($ecart)}"
        sleep 0.1
    done
}

etape "Serveur X virtuel"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$travail/affichage" \
    2>"$travail/xvfb.log" &
pid_x=$!
attendre "le serveur X" test -s "$travail/affichage"
DISPLAY=":$(cat "$travail/affichage")"
export DISPLAY
echo "affichage $DISPLAY"

etape "Dossier d'icônes et éditeur"
ICONES=(boss chasseur drone tank) # the list shows them sorted by name
mkdir "$travail/icones" "$travail/niveaux" "$travail/config" "$travail/exec"
chmod 700 "$travail/exec"
for icone in "${ICONES[@]}"; do
    cp "$sources/icones/$icone.ico" "$travail/icones/"
    # What the editor must draw: the icon over the cell's white.
    convert "$travail/icones/$icone.ico" -background white -flatten -alpha off "$travail/$icone.png"
done
convert -size 32x32 xc:white "$travail/blanc.png"
for icone in "${ICONES[@]}"; do
    # A cell showing the icon must then differ from an empty one.
    if compare -metric AE "$travail/$icone.png" "$travail/blanc.png" null: 2>/dev/null; then
        echec "l'icône $icone est blanche : elle ne prouverait rien"
    fi
done
# A French designer's decimal comma must not reach the file.
locale_editeur=C.UTF-8
if locale -a 2>/dev/null | grep -qix 'fr_FR.utf8'; then locale_editeur=fr_FR.UTF-8; fi
(
    cd "$travail/icones"
    exec env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE QT_QPA_PLATFORM=xcb \
        LC_ALL="$locale_editeur" XDG_CONFIG_HOME="$travail/config" XDG_RUNTIME_DIR="$travail/exec" \
        "$ombrelin" >"$travail/journal" 2>&1
) &
pid_editeur=$!

trouver_fenetre() { fenetre=$(xdotool search --onlyvisible --name '^Ombrelin : Quorvane$' | head -n 1); }
attendre "la fenêtre « Ombrelin : Quorvane »" trouver_fenetre
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
echo "fenêtre $fenetre en ($X, $Y), $WIDTH × $HEIGHT"
if [ "$WIDTH" -ne 587 ] || [ "$HEIGHT" -ne 480 ]; then
    echec "taille de fenêtre inattendue : $WIDTH × $HEIGHT"
fi

capture() { import -window root "$travail/ecran.png"; }
pixel() { convert "$travail/ecran.png" -format "%[hex:p{$1,$2}]" info:; }

# The grid's white surface starts 35 px below the top of the central widget, under the menu bar.
mesurer_menu() {
    capture
    local blanc
    blanc=$(convert "$travail/ecran.png" -crop "1x120+$((X + 210))+$Y" +repage -depth 8 txt:- |
        awk -F'[:,]' 'NR > 1 && /#FFFFFF/ { print $2; exit }')
    [ -n "$blanc" ] || return 1
    menu=$((blanc - 35))
    # The line between the first two columns must be where the cells' size puts it.
    [ "$(pixel $((X + 203 + 32)) $((Y + menu + 40)))" = A0A0A0 ]
}
attendre "la grille dessinée" mesurer_menu
echo "barre de menus : $menu px"

# Widget positions below are those of the central widget.
cliquer() { xdotool mousemove $((X + $1)) $((Y + menu + $2)) click 1; }
survoler_marge() { xdotool mousemove $((X + 8)) $((Y + menu + 200)); }
cliquer_cellule() { cliquer $((203 + 33 * $1 + 16)) $((35 + 33 * $2 + 16)); }
choisir_icone() {
    local i
    for i in "${!ICONES[@]}"; do
        if [ "${ICONES[$i]}" = "$1" ]; then cliquer 96 $((120 + 13 * i + 8)); fi
    done
}

nom_actif() { xdotool getwindowfocus getwindowname 2>/dev/null; }
actif() { nom_actif | grep -Eq -- "$1"; }
# A click on an inert spot of the main window gives it the keyboard again (no window manager).
activer() {
    cliquer 8 200
    attendre "le clavier sur la fenêtre principale" actif '^Ombrelin : Quorvane'
}
# Modal boxes take the keyboard: a box is there when it holds the focus.
attendre_boite() {
    attendre "la boîte « $1 »" actif "$1"
    boite=$(xdotool getwindowfocus)
    echo "boîte ouverte : « $(nom_actif) »"
}
boite_fermee() { ! xdotool search --onlyvisible --name '' | grep -qx "$boite"; }
valider_boite() {
    xdotool key Return
    attendre "la fermeture de la boîte" boite_fermee
}

# Compares the 32×32 cells of a fresh capture with pictures: "image colonne ligne" ...
grille_montre() {
    capture
    local cellule image c r x y
    for cellule in "$@"; do
        read -r image c r <<<"$cellule"
        x=$((X + 203 + 33 * c))
        y=$((Y + menu + 35 + 33 * r))
        ecart=$(compare -metric AE "$travail/ecran.png[32x32+$x+$y]" "$travail/$image.png" null: 2>&1) ||
            true
        if [ "$ecart" != 0 ]; then
            ecart="cellule ($c, $r) : $ecart pixels diffèrent de « $image »"
            return 1
        fi
    done
    ecart=
}
attendre_grille() {
    survoler_marge
    attendre "la grille" grille_montre "$@"
    echo "grille conforme : $(printf '[%s] ' "$@")"
}

etape "Temps T = 30 : deux « boss », dont un dans le coin haut gauche"
activer
choisir_icone boss
cliquer 85 395
xdotool key ctrl+a type 30
cliquer_cellule 0 0
cliquer_cellule 7 3
attendre_grille "boss 0 0" "boss 7 3" "blanc 1 0"

etape "Temps T = 60 : l'affichage s'efface ; un « drone » dans le coin bas droit, un « tank »"
cliquer 85 395
xdotool key ctrl+a type 60
choisir_icone drone
cliquer_cellule 10 10
choisir_icone tank
cliquer_cellule 2 8
attendre_grille "blanc 0 0" "blanc 7 3" "drone 10 10" "tank 2 8"

etape "Durée de la mission : 90"
cliquer 96 346
xdotool key ctrl+a type 90
xdotool key Tab

etape "Nom du niveau : Bataille_E2E"
cliquer 250 12
attendre_boite '^Choix du nom pour le niveau'
xdotool key ctrl+a type Bataille_E2E
valider_boite

# What the game must read, in both depth forms.
attendu() {
    printf '%s\r\n' Bataille_E2E 90 4
    printf '%s\t%s\t%s\t%s\t%s\t%s\r\n' \
        0 30.00 boss -5.00 5.00 "$1" \
        1 30.00 boss 2.00 2.00 "$1" \
        2 60.00 drone 5.00 -5.00 "$1" \
        3 60.00 tank -3.00 -3.00 "$1"
}
attendu -100.00 >"$travail/attendu_sous.txt"
attendu -100 >"$travail/attendu_entier.txt"
niveau="$travail/niveaux/niveau_e2e.txt"
seul_niveau() {
    [ "$(ls -A "$travail/niveaux")" = niveau_e2e.txt ] ||
        echec "le dossier des niveaux devait ne contenir que niveau_e2e.txt : $(ls -A "$travail/niveaux")"
}
niveau_reecrit() { ! cmp -s "$niveau" "$travail/attendu_sous.txt"; }
comparer() {
    cmp "$niveau" "$travail/$1" ||
        echec "$niveau diffère de $1 :"$'\n'"$(diff <(cat -A "$niveau") <(cat -A "$travail/$1"))"
}

etape "Fichier > Enregistrer le niveau sous ... $travail/niveaux/niveau_e2e"
activer
xdotool key alt+f g
# Any other box first (a late enemy, an error) fails here.
attendre_boite '^Enregistrer sous$' # Qt's own dialog, in French whatever the locale
xdotool type "$travail/niveaux/niveau_e2e"
xdotool key alt+e # the mnemonic of its button "&Enregistrer"
attendre_boite '^Ombrelin$'
seul_niveau
comparer attendu_sous.txt
echo "fichier « Enregistrer sous » conforme"
valider_boite

etape "Ctrl+S : réécrit le même fichier, profondeur entière, sans boîte"
activer
xdotool key ctrl+s
attendre "la réécriture par Ctrl+S (le fichier est resté celui d'« Enregistrer sous »)" niveau_reecrit
seul_niveau
comparer attendu_entier.txt
actif '^Ombrelin : Quorvane' || echec "Ctrl+S a ouvert la boîte « $(nom_actif) »"
echo "fichier Ctrl+S conforme"

etape "Effacer ennemis : les cellules redeviennent blanches"
attendre_grille "drone 10 10" "tank 2 8"
cliquer 384 436
attendre_grille "blanc 10 10" "blanc 2 8" "blanc 0 0" "blanc 7 3"

etape "Fichier > Quitter"
activer
fin_attendue=1
xdotool key alt+f q
attendre "la fin de l'éditeur" editeur_termine
code=0
wait "$pid_editeur" || code=$?
pid_editeur=
[ "$code" -eq 0 ] || echec "l'éditeur a quitté avec le code $code"
echo "RÉUSSI"
