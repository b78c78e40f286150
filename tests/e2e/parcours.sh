#!/usr/bin/env bash
# What only a real X server shows: real clicks and keys in Qt's file dialog, saved bytes, pixels;
# then the saved level checked by the editor without a display.
set -euo pipefail
cd "$(mktemp -d -t ombrelin-e2e-XXXXXX)" # no dot: the path must hold no ".txt"
cp "$2"/icones/{boss,drone}.ico .
# Some may have ended already; the folder goes, passed or failed.
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$PWD"' EXIT
attendre() { # WHAT CHECK...: polls CHECK on a fresh screenshot for 20 s; CHECK may say in ecart why
    local fin=$((SECONDS + 20)) ecart=
    until import -window root ecran.png && "${@:2}" >/dev/null 2>&1; do
        ((SECONDS < fin)) || { echo "ÉCHEC en attendant $1${ecart:+ : $ecart} ($PWD)" >&2; exit 1; }
        sleep 0.1
    done
}
actif() { xdotool getwindowfocus getwindowname | grep -Eq -- "$1"; }

coproc Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp
read -r affichage <&"${COPROC[0]}" # told once the server is ready
export DISPLAY=":$affichage"
# The level to go on with, given on the command line as the desktop's launcher gives it.
printf 'Niveau_1\r\n100\r\n1\r\n0\t0.00\ttank\t0.00\t0.00\t-100\r\n' >depart.txt
lancer() { # French: its decimal comma must not reach the file
    env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE QT_QPA_PLATFORM=xcb LC_ALL=fr_FR.UTF-8 \
        XDG_CONFIG_HOME="$PWD" XDG_DATA_HOME="$PWD" "$1" depart.txt &
    editeur=$!
}
lancer "$1"
titre='^Ombrelin : Quorvane$' # matched whole by actif: the search also takes a cut Latin-1 title
# The grid, 35 px under the central widget's top, is the first white down a column of the window;
# the folder is listed after the first frame: ready once the list's first entry shows ink.
pret() {
    geometrie=$(xdotool search --onlyvisible --name "$titre" getwindowgeometry --shell) &&
        eval "$geometrie" && haut=$(convert ecran.png -crop "1x200+$((X + 210))+$Y" +repage txt:- |
        awk -F'[:,]' -v y="$Y" '!f && /#FFFFFF / { print $2 + y - 35; f = 1 } END { exit !f }') &&
        [ "$(convert ecran.png -crop "60x8+$((X + 36))+$((haut + 124))" -format %k info:)" -gt 1 ]
}
attendre "la fenêtre $titre et sa liste d'icônes" pret
cliquer() { xdotool mousemove $((X + $1)) $((haut + $2)) click 1; }
cellules() { # image colonne ligne [...]: whether 32 px cells, 33 px apart, show these pictures
    compare -metric AE -background white -alpha remove -size 32x32 "$1" \
        "ecran.png[32x32+$((X + 203 + 33 * $2))+$((haut + 35 + 33 * $3))]" null: &&
        { [ $# -eq 3 ] || cellules "${@:4}"; }
}
# The level file as the game must read it: CR LF line ends, fields split by tabs.
niveau_vaut() {
    ecart=$(printf '%s\r\n' Niveau_1 100 3 "0 0.00 tank 0.00 0.00 $1" "1 0.00 boss -5.00 -5.00 $1" \
        "2 0.00 drone 5.00 5.00 $1" | tr ' ' '\t' | diff - niveau_e2e.txt | cat -A)
}

cliquer 96 128 # boss.ico
cliquer 219 381 # the cell (0, 10)
cliquer 96 141 # drone.ico
cliquer 549 51 # the cell (10, 0)
attendre "les icônes placées" cellules boss.ico 0 10 drone.ico 10 0 xc:white 0 0
cliquer 384 436 # "Effacer ennemis"
attendre "la grille effacée" cellules xc:white 0 10 xc:white 10 0

# Killed once its placements show, the editor offers them again at its next start.
kill -KILL "$editeur"
wait "$editeur" 2>/dev/null || true
lancer "$1"
attendre "la question de reprise" actif '^Ombrelin$'
xdotool key Return # "Reprendre", the default button
attendre "la fenêtre $titre reprise" pret
cliquer 96 128 # boss.ico, for the keyboard
attendre "le clavier" actif "$titre" # without a window manager, a click gives it, not at once
xdotool key alt+f g
attendre "le sélecteur de fichier « Enregistrer sous »" actif '^Enregistrer sous$'
xdotool key ctrl+a type "$PWD/niveau_e2e" # over the level's own path, offered
xdotool key alt+e # its button is "&Enregistrer"
attendre "la confirmation" actif '^Ombrelin$'
xdotool key Return
attendre "le fichier d'« Enregistrer sous »" niveau_vaut -100.00
attendre "la fermeture de la confirmation" eval '! xdotool search --onlyvisible --name "^Ombrelin$"'
[ ! -e Ombrelin/recuperation/*.txt ] # saved: no recovery copy is left

# --verifier with no display at all: 0 when every file is a level, 1 otherwise, 2 on a usage error.
verifier() { env -u DISPLAY -u QT_QPA_PLATFORM "$1" --verifier "${@:2}" >/dev/null 2>&1; }
verifier "$1" niveau_e2e.txt depart.txt
verifier "$1" niveau_e2e.txt boss.ico && exit 1 || [ $? -eq 1 ]
verifier "$1" && exit 1 || [ $? -eq 2 ]
