#!/usr/bin/env bash
# A right click on varnok.exe's only row, then every program of the Wine prefix
# killed from outside (`wineserver -k`) two seconds later: the mark must already
# be in serverlist.txt. Needs an X display; nothing else may run in the prefix.
# Usage: wineserver-kill.sh <varnok.exe> <build folder> <scratch folder>
set -euo pipefail
exe=$1 build=$2 dir=$3
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
. "$scripts/wine-env.sh"
kelvane_wine_use "$(kelvane_pe_arch "$exe")"
export WINEPREFIX=$build/wineprefix
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
cp "$exe" varnok-killed.exe
# A stored favourite and no web server: the window lists that one row.
printf '127.0.0.1:28399\nStored favourite\n\n1\n0\n' > serverlist.txt
ini=$WINEPREFIX/drive_c/windows/varnok-killed.INI
printf '[General]\r\nWebServer=http://127.0.0.1:9/\r\n' > "$ini"
trap 'rm -f "$ini"' EXIT

"$scripts/wine-run.sh" ./varnok-killed.exe >/dev/null 2>&1 &
window=
for _ in $(seq 150); do
  window=$(xdotool search --name 'Players Online' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the window did not show"; wineserver -k; exit 1; }
# The row lies a fifth of the way down the window (below the news line and the
# list's header), a quarter of the way across.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH / 4)) $((HEIGHT * 186 / 1000)) click 3
sleep 2
wineserver -k
wait || true
expected=$'127.0.0.1:28399\nStored favourite\n\n0\n1'
actual=$(tr -d '\r' < serverlist.txt)
if [ "$actual" != "$expected" ]; then
  echo "serverlist.txt after wineserver -k:"; echo "$actual"
  exit 1
fi
echo "the mark (favourite -> ignored) was in serverlist.txt when the prefix was killed"
