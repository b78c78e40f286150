#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")" && pwd)
. "$racine/outils/paquets.sh"

installer_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_TESTS[@]}"
installer_locale_fr
construire "$racine/build"
ctest --test-dir "$racine/build" --output-on-failure --no-tests=error
