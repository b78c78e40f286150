# Sourced by run.sh and test.sh: installs what a fresh Debian 12 machine lacks, and nothing twice.

if [ "$(id -u)" -eq 0 ]; then
    sudo_si_besoin=()
else
    sudo_si_besoin=(sudo)
fi

# What building the editor, its manual page and its tests needs, and Qt's own French texts for its
# dialogs.
PAQUETS_CONSTRUCTION=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
    help2man fonts-liberation2 fonts-dejavu-core qt6-translations-l10n)

# What the tests need on top: a virtual X server and real input events for the end-to-end run,
# and the tools that build the Debian package and check it and its metadata.
PAQUETS_TESTS=(locales xvfb xauth xdotool imagemagick dpkg-dev file desktop-file-utils
    appstream lintian)

# Installs those of the named Debian packages that are not installed yet.
installer_paquets() {
    local manquants=() paquet
    for paquet in "$@"; do
        dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q 'install ok installed' ||
            manquants+=("$paquet")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    echo "Installation de : ${manquants[*]}"
    "${sudo_si_besoin[@]}" apt-get update -q
    "${sudo_si_besoin[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${manquants[@]}"
}

# The level file tests run under a comma-decimal locale; the manual page is written under it.
installer_locale_fr() {
    locale -a 2>/dev/null | grep -qix 'fr_FR.utf8' && return 0
    installer_paquets locales
    "${sudo_si_besoin[@]}" localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
}

# Configures and builds the project in the folder $1 with the extra CMake arguments that follow.
construire() {
    local dossier=$1
    shift
    installer_locale_fr
    cmake -S "$racine" -B "$dossier" "$@"
    cmake --build "$dossier" -j "$(nproc)"
}
