#!/usr/bin/env bash
# Runs a Windows program under Wine with a prefix kept inside the build folder.
# CMake uses this as the emulator of the windows presets; scripts use it too. A test
# that needs another screen DPI names its own prefix and KELVANE_WINE_DPI.
set -euo pipefail
exe=$1; shift
. "$(dirname "$0")/wine-env.sh"
build=${KELVANE_BINARY_DIR:-$(cd "$(dirname "$exe")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done; pwd)}
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
kelvane_wine_use "$(kelvane_pe_arch "$exe")"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX" "$WINEARCH" "${KELVANE_WINE_DPI:-96}"
exec "$KELVANE_WINE" "$exe" "$@"
