#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the monitor, and runs it under Wine on the
# bundled demo: the demo web folder (master list, news, build number) served on
# 127.0.0.1 and a fleet of local fake game servers. With a display the window is
# yours until you close it; without one it runs under Xvfb, saves a screenshot once
# the first poll is done (build/demo/varnok-demo.png) and closes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install.sh
. scripts/wine-env.sh
# Where this host cannot execute 32-bit code, the demo runs the 64-bit build.
preset=$(kelvane_wine_preset)
bash scripts/build.sh "$preset"

demo=$root/build/demo
web_port=18180
exe=$(find "$root/build/$preset" -name varnok.exe -not -path "*/wineprefix/*" -print -quit)
[ -n "$exe" ] || { echo "demo: varnok.exe was not built" >&2; exit 1; }

export WINEPREFIX=$demo/wineprefix-$preset WINEDEBUG=-all
kelvane_wine_use "$(kelvane_pe_arch "$exe")"
export KELVANE_FAKEQ2=$root/build/$preset/tools/fakeq2/fake-q2-server
bash scripts/wine-prefix.sh "$WINEPREFIX" "$WINEARCH"
rm -rf "$demo/run"; mkdir -p "$demo/run"

cleanup() {
  wineserver -k 2>/dev/null || true
  bash "$root/scripts/fleet.sh" stop "$demo/fleet" >/dev/null 2>&1 || true
  bash "$root/tools/web/fixture.sh" stop "$demo/web" >/dev/null 2>&1 || true
}
trap cleanup EXIT
bash scripts/fleet.sh start tools/demo/fleet.scenario "$demo/fleet"
bash tools/web/fixture.sh start tools/web/demo "$web_port" "$demo/web" 3600

# Point the monitor at the local web server; keep the demo's own settings apart.
printf '[General]\r\nWebServer=http://127.0.0.1:%s/\r\n' "$web_port" >"$WINEPREFIX/drive_c/windows/varnok.ini"
[ -f tools/demo/obscenities.txt ] && cp tools/demo/obscenities.txt "$demo/run/"

cd "$demo/run"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "demo: Kelvane Monitor is running; close its window to end the demo."
  "$KELVANE_WINE" "$exe"
  exit 0
fi

bash "$root/scripts/with-display.sh" bash -c '
  "$KELVANE_WINE" "$1" &
  # The caption carries the totals once the first poll has ended.
  for _ in $(seq 120); do
    xdotool search --name "Players Online" >/dev/null 2>&1 && break
    sleep 0.25
  done
  sleep 1
  import -window root "$2"
  wineserver -k
' _ "$exe" "$demo/varnok-demo.png"
echo "demo: screenshot saved to $demo/varnok-demo.png"
