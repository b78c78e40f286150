#!/usr/bin/env bash
# What only a real X server shows: the editor's exact title, real clicks and keys through Qt's
# file dialog, the bytes of both save forms and the grid's pixels before and after clearing.
set -euo pipefail

[ $# -eq 2 ] || { echo "Usage : $0 OMBRELIN DOSSIER_SOURCES" >&2; exit 2; }
ombrelin=$(realpath "$1")
travail=$(mktemp -d -t ombrelin-e2e-XXXXXX) # no dot: the path must hold no ".txt"
mkdir "$travail/icones" "$travail/niveaux"
cp "$2"/icones/{boss,drone}.ico "$travail/icones/"
cd "$travail"
trap 'jobs -p | xargs -r kill; wait' EXIT

echec() {
    echo "ÉCHEC : $* (journal de l'éditeur ci-dessous ; fichiers gardés dans $travail)" >&2
    cat journal >&2
    import -window root ecran.png
    exit 1
}
# Polls a command for up to 20 s (the machine may be busy); it may say in ecart what is wrong.
attendre() {
    local limite=$((SECONDS + 20)) ecart=
    until "${@:2}" >/dev/null; do
        [ "$SECONDS" -lt "$limite" ] || echec "délai dépassé en attendant $1${ecart:+ : $ecart}"
        sleep 0.1
    done
}
actif() { xdotool getwindowfocus getwindowname 2>/dev/null | grep -Eq -- "$1"; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>affichage 2>/dev/null &
attendre "le serveur X" test -s affichage
DISPLAY=":$(cat affichage)"
export DISPLAY

mogrify -path . -format png -background white -alpha remove -alpha off icones/*.ico
locale=C.UTF-8 # a French designer's decimal comma must not reach the file
if grep -qix fr_FR.utf8 <(locale -a); then locale=fr_FR.UTF-8; fi
env -C icones -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE QT_QPA_PLATFORM=xcb LC_ALL="$locale" \
    XDG_CONFIG_HOME="$travail" "$ombrelin" >journal 2>&1 &

titre='^Ombrelin : Quorvane$'
attendre "la fenêtre $titre" xdotool search --onlyvisible --name "$titre"
eval "$(xdotool search --onlyvisible --name "$titre" getwindowgeometry --shell)"
nom=$(xdotool getwindowname "$WINDOW") # the search also reads a Latin-1 title, cut at any " — "
[[ $nom =~ $titre ]] || echec "la fenêtre est titrée « $nom »"
# The grid starts 35 px below the central widget's top: the first white down a column in it.
mesurer() {
    import -window root ecran.png
    grille=$(convert ecran.png -crop "1x200+$((X + 210))+$Y" +repage txt:- |
        awk -F'[:,]' -v y="$Y" '!ok && /#FFFFFF / { print $2 + y; ok = 1 } END { exit !ok }')
}
attendre "la grille dessinée" mesurer
cliquer() { xdotool mousemove $((X + $1)) $((grille - 35 + $2)) click 1; }
cliquer_cellule() { cliquer $((203 + 33 * $1 + 16)) $((35 + 33 * $2 + 16)); }
# Compares 32 px cells, 1 px apart, with pictures: grille_montre image colonne ligne ...
grille_montre() {
    import -window root ecran.png
    while [ $# -gt 0 ]; do
        ecart=$(compare -metric AE -size 32x32 "$1" \
            "ecran.png[32x32+$((X + 203 + 33 * $2))+$((grille + 33 * $3))]" null: 2>&1)
        [ "$ecart" = 0 ] || { ecart="cellule ($2, $3) : $ecart pixels autres que $1"; return 1; }
        shift 3
    done
}
pas() { ! "$@"; }
# The only file in the folder, as the game must read it (^I is a tab, ^M$ a CR LF).
niveau_vaut() {
    ecart=$(diff <(ls -A niveaux && cat -A niveaux/niveau_e2e.txt 2>&1) - 2>&1 <<<"niveau_e2e.txt
Niveau_1^M$
100^M$
2^M$
0^I0.00^Iboss^I-5.00^I-5.00^I$1^M$
1^I0.00^Idrone^I5.00^I5.00^I$1^M$")
}

# The folder is listed once the window has painted: wait for ink on the first entry.
liste_remplie() {
    import -window root ecran.png
    [ "$(convert ecran.png -crop "60x8+$((X + 36))+$((grille - 35 + 124))" \
        -format '%[fx:minima.intensity < 0.5]' info:)" = 1 ]
}
attendre "la liste des icônes" liste_remplie
cliquer 96 128 # boss.ico
cliquer_cellule 0 10
cliquer 96 141 # drone.ico
cliquer_cellule 10 0
attendre "les icônes" grille_montre boss.png 0 10 drone.png 10 0 xc:white 0 0
attendre "le clavier" actif "$titre" # without a window manager, a click gives it, not at once
xdotool key alt+f g
attendre "le sélecteur de fichier « Enregistrer sous »" actif '^Enregistrer sous$'
xdotool type "$travail/niveaux/niveau_e2e"
xdotool key alt+e # its button is "&Enregistrer"
attendre "la confirmation" actif '^Ombrelin$'
xdotool key Return
attendre "le fichier d'« Enregistrer sous »" niveau_vaut -100.00
attendre "la fermeture de la confirmation" pas xdotool search --onlyvisible --name '^Ombrelin$'

cliquer 384 436 # "Effacer ennemis", which also gives the keyboard back to the main window
attendre "la grille effacée" grille_montre xc:white 0 10 xc:white 10 0
attendre "le clavier" actif "$titre"
xdotool key ctrl+s
attendre "le fichier réécrit par Ctrl+S, ennemis effacés compris" niveau_vaut -100
rm -rf "$travail"
echo "RÉUSSI"
