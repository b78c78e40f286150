#!/usr/bin/env bash
# Fuzzes the level library for about a minute under libFuzzer, ASan and UBSan, then says how many
# inputs ran and what was found. By hand only: CI never runs it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
. "$racine/outils/paquets.sh"

installer_paquets clang libclang-rt-14-dev
# In memory when possible: every input writes and renames files.
travail=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$racine/level" "$racine"/level/*.cpp "$racine/bench/fuzz/fuzz_niveau.cpp" \
    -o "$travail/fuzz_niveau"
mkdir "$travail/corpus"

# The target works in a directory of its own under the current one: the scratch file goes there.
cd "$travail"
statut=0
# Long inputs from the start: names and paths meet their 254-byte edge only in long inputs.
./fuzz_niveau -max_total_time=60 -len_control=0 -print_final_stats=1 -artifact_prefix="$travail/" \
    "$travail/corpus" 2>&1 | tee journal || statut=$?

echo "Exécutions : $(awk '/number_of_executed_units/ {print $2}' journal)," \
    "$(awk '/average_exec_per_sec/ {print $2}' journal) par seconde," \
    "corpus : $(find corpus -type f | wc -l) entrées."
shopt -s nullglob
trouvailles=(crash-* leak-* timeout-* oom-*)
if [ ${#trouvailles[@]} -eq 0 ] && [ "$statut" -eq 0 ]; then
    echo "Aucune trouvaille."
    rm -rf "$travail"
    exit 0
fi
echo "Trouvailles (gardées dans $travail) :"
for fichier in "${trouvailles[@]}"; do
    echo "$travail/$fichier"
    od -An -c "$fichier" | head -20
done
exit 1
