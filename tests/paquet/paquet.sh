#!/usr/bin/env bash
# Builds the Debian package, checks its dependencies, files and metadata, then starts the packaged
# editor offscreen. Usage: paquet.sh CPACK DOSSIER_CONSTRUCTION DOSSIER_SOURCES
set -euo pipefail
echec() { echo "ÉCHEC : $*" >&2; exit 1; }
cd "$(mktemp -d -t ombrelin-paquet-XXXXXX)"
trap 'rm -rf "$PWD"' EXIT
"$1" -G DEB --config "$2/CPackConfig.cmake" -B "$PWD"
dependances=$(dpkg-deb -f ombrelin_*.deb Depends)
for requis in libqt6core6 libqt6gui6 libqt6widgets6 qt6-translations-l10n; do
    grep -qF "$requis" <<<"$dependances" || echec "$requis manque dans : $dependances"
done
dpkg-deb -x ombrelin_*.deb racine
diff -r "$3/icones" racine/usr/share/ombrelin/icones # the sample icons, whole
ls racine/usr/share/icons/hicolor/{32x32,64x64}/apps/ombrelin.png >/dev/null
desktop-file-validate racine/usr/share/applications/ombrelin.desktop
appstreamcli validate --no-net racine/usr/share/metainfo/example.ombrelin.Ombrelin.metainfo.xml
# The editor has no way to be told to quit: still running when timeout stops it means it started.
code=$(env -C racine/usr/share/ombrelin/icones QT_QPA_PLATFORM=offscreen \
    timeout 3 "$PWD/racine/usr/bin/ombrelin" >&2; echo $?)
[ "$code" -eq 124 ] || echec "l'éditeur du paquet s'est arrêté avec le code $code"
