#!/usr/bin/env bash
# Builds the benchmarks in Release in build-bench/, runs them all and prints each row of the
# performance table as a figure against its baseline or goal. Takes about two minutes; other work
# on the machine makes the figures noisy.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/paquets.sh"

installer_paquets "${PAQUETS_CONSTRUCTION[@]}" libbenchmark-dev libxcb-damage0-dev xvfb
construction="$racine/build-bench"
construire "$construction" -DOMBRELIN_BENCH=ON -DCMAKE_BUILD_TYPE=Release
bancs="$construction/bench"

travail=$(mktemp -d)
xvfb=
arreter() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb"
    fi
    rm -rf "$travail"
}
trap arreter EXIT
# Qt warns at every start without a private runtime directory.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$travail/xdg"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# The data sets: 20,000 copies of a sample icon, and a 5000 × 5000 24-bit bitmap.
grand="$travail/grand"
mkdir "$grand"
seq -f "$grand/ennemi_%05g.ico" 20000 |
    xargs -n 2000 sh -c 'tee "$@" < "$0" > /dev/null' "$racine/icones/tank.ico"
mot32() { # a 32-bit little-endian integer, as bytes
    local i
    for i in 0 8 16 24; do
        printf "\\$(printf %03o $(($1 >> i & 255)))"
    done
}
fond="$travail/fond.bmp"
octets=$((5000 * 5000 * 3))
{
    printf BM
    mot32 $((54 + octets))
    mot32 0
    mot32 54
    mot32 40
    mot32 5000
    mot32 5000
    printf '\001\000\030\000' # one plane, 24 bits a pixel
    mot32 0
    mot32 "$octets"
    mot32 2835
    mot32 2835
    mot32 0
    mot32 0
    head -c "$octets" /dev/urandom
} > "$fond"

# One X server for every start, never reset between clients, so that each starts alike.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3> "$travail/ecran" 2> /dev/null &
xvfb=$!
until [ -s "$travail/ecran" ]; do
    kill -0 "$xvfb" 2> /dev/null || {
        echo "Xvfb n'a pas démarré" >&2
        exit 1
    }
    sleep 0.1
done

{
    echo "== Démarrage"
    env -u QT_QPA_PLATFORM DISPLAY=":$(cat "$travail/ecran")" "$bancs/comparer_demarrage" \
        "$construction/editor/ombrelin" "$bancs/plancher" "$bancs/plancher_ui" "$racine/icones" \
        "$grand"
    echo "== Éditeur"
    "$bancs/bench_editeur" "$grand" "$fond"
    echo "== Bibliothèque des niveaux"
    # Interleaved repetitions: a busy moment of the machine weighs on both sides of a ratio.
    "$bancs/bench_niveau" --benchmark_enable_random_interleaving=true --benchmark_color=false
} 2>&1 | tee "$travail/journal"

echo
echo "== Résumé ($(nproc) cœurs, charge $(cut -d' ' -f1-3 /proc/loadavg))"
grep -E '^\[[0-9]+\]' "$travail/journal" | sort -V
grep -E 'trame|flux simple' "$travail/journal"
