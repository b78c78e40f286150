#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on the sample icon folder.
set -euo pipefail
racine=$(cd "$(dirname "$0")" && pwd)
. "$racine/outils/paquets.sh"

installer_paquets "${PAQUETS_CONSTRUCTION[@]}"
construire "$racine/build"
cd "$racine/icones"
exec "$racine/build/editor/ombrelin"
