#!/usr/bin/env bash
# Builds the benchmarks in Release in build-bench/, runs them all and prints each figure against
# its baseline. Takes about two minutes; other work on the machine makes the figures noisy.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/paquets.sh"

installer_paquets "${PAQUETS_CONSTRUCTION[@]}" libbenchmark-dev xvfb xauth
construction="$racine/build-bench"
construire "$construction" -DOMBRELIN_BENCH=ON -DCMAKE_BUILD_TYPE=Release
bancs="$construction/bench"

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
# Qt warns at every start without a private runtime directory.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$travail/xdg"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

{
    echo "== Bibliothèque des niveaux"
    # Interleaved repetitions: a busy moment of the machine weighs on both sides of a ratio.
    "$bancs/bench_niveau" --benchmark_enable_random_interleaving=true --benchmark_color=false
    echo "== Éditeur"
    "$bancs/bench_editeur"
    echo "== Démarrage"
    # In icones/ as ./run.sh starts the editor, and on an X server as a user sees it.
    (cd "$racine/icones" &&
        env -u QT_QPA_PLATFORM xvfb-run -a "$bancs/comparer_demarrage" \
            "$bancs/ombrelin_demarrage" "$bancs/plancher")
} 2>&1 | tee "$travail/journal"

echo
echo "== Résumé ($(nproc) cœurs, charge $(cut -d' ' -f1-3 /proc/loadavg))"
grep -E '×|trame' "$travail/journal"
