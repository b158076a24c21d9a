#!/usr/bin/env bash
# Creates a Wine prefix once (under a lock, so parallel tests do not race) and sets it up
# for unattended tests: unmanaged windows (no 2 s wait for a window manager) and a
# "browser" that records the addresses it is asked to open instead of starting one,
# and the screen's DPI (96 unless given: the display scaling a user may choose).
#   wine-prefix.sh PREFIX [win32|win64] [DPI]
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
prefix=$1
kelvane_wine_use "${2:-win32}"
dpi=${3:-96}
[ -f "$prefix/.kelvane-ready" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.kelvane-ready" ] && exit 0
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$KELVANE_WINE" wineboot -i >/dev/null 2>&1
browser=$prefix/record-browser.sh
cat >"$browser" <<'SH'
#!/bin/sh
# Appends each address that the shell asks a browser to open.
printf '%s\n' "$@" >>"${KELVANE_BROWSER_LOG:-$WINEPREFIX/browser.log}"
SH
chmod +x "$browser"
reg=$(mktemp)
cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]
"Browsers"="$browser"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
REG
"$KELVANE_WINE" regedit "$reg" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$prefix/.kelvane-ready"
