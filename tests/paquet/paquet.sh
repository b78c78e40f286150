#!/usr/bin/env bash
# Builds the Debian package into a temporary folder, checks its files, its dependencies and its
# metadata, then starts the packaged editor on the offscreen platform.
# Usage: paquet.sh CPACK DOSSIER_CONSTRUCTION DOSSIER_SOURCES
set -euo pipefail
[ $# -eq 3 ] || { echo "Usage : $0 CPACK DOSSIER_CONSTRUCTION DOSSIER_SOURCES" >&2; exit 2; }
cpack=$1 construction=$2 sources=$3
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

travail=$(mktemp -d -t ombrelin-paquet-XXXXXX)
trap 'rm -rf "$travail"' EXIT
"$cpack" -G DEB --config "$construction/CPackConfig.cmake" -B "$travail" >"$travail/cpack.log" ||
    { cat "$travail/cpack.log" >&2; echec "cpack a échoué"; }
paquet=$(echo "$travail"/ombrelin_*.deb)
[ -f "$paquet" ] || echec "pas de ombrelin_*.deb dans $travail"

contenu=$(dpkg-deb -c "$paquet" | awk '{print $NF}')
attendus=(bin/ombrelin share/applications/ombrelin.desktop
    share/metainfo/example.ombrelin.Ombrelin.metainfo.xml
    share/icons/hicolor/32x32/apps/ombrelin.png share/icons/hicolor/64x64/apps/ombrelin.png)
for exemple in "$sources"/icones/*; do attendus+=("share/ombrelin/icones/${exemple##*/}"); done
for fichier in "${attendus[@]}"; do
    grep -qxF "./usr/$fichier" <<<"$contenu" || echec "absent du paquet : /usr/$fichier"
done
dependances=$(dpkg-deb -f "$paquet" Depends)
for requis in libqt6core6 libqt6gui6 libqt6widgets6 qt6-translations-l10n; do
    grep -qF "$requis" <<<"$dependances" || echec "$requis manque dans : $dependances"
done

dpkg-deb -x "$paquet" "$travail/racine"
desktop-file-validate "$travail/racine/usr/share/applications/ombrelin.desktop"
appstreamcli validate --no-net "$travail"/racine/usr/share/metainfo/*.metainfo.xml
# The editor has no way to be told to quit: still running when timeout stops it means it started.
cd "$travail/racine/usr/share/ombrelin/icones"
code=0
QT_QPA_PLATFORM=offscreen timeout 3 "$travail/racine/usr/bin/ombrelin" || code=$?
[ "$code" -eq 124 ] || echec "l'éditeur du paquet s'est arrêté avec le code $code"
