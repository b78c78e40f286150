#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")" && pwd)
. "$racine/outils/paquets.sh"

installer_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_TESTS[@]}"
construire "$racine/build"
ctest --test-dir "$racine/build" --output-on-failure --no-tests=error
# The Debian package is built too: CPack refuses it when its desktop entry or its metainfo fail
# their validators, or when lintian, Debian's own checker, finds an error or a warning in it.
(cd "$racine/build" && cpack -G DEB)

# The same tests again under AddressSanitizer and UndefinedBehaviorSanitizer: any finding fails.
construire "$racine/build-asan" -DCMAKE_BUILD_TYPE=Debug -DOMBRELIN_SANITIZE=ON
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$racine/tests/lsan.supp" \
    ctest --test-dir "$racine/build-asan" --output-on-failure --no-tests=error
