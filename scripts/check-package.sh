#!/usr/bin/env bash
# Checks a release package as a player would meet it: unzips it into an empty folder,
# starts varnok.exe under Wine (fresh prefix, private X display) against the demo web
# folder and a fleet of fake game servers on 127.0.0.1, and passes when the monitor's
# window opened and every demo server was asked for its status.
#   check-package.sh [dist/kelvane-<version>.zip]
set -euo pipefail
cd "$(dirname "$0")/.."
zipfile=${1:-$(ls -t dist/kelvane-*.zip | head -n 1)}
work=$(mktemp -d)
web_port=18181
export WINEPREFIX=$work/prefix WINEDEBUG=-all
. scripts/wine-env.sh

cleanup() {
  bash scripts/fleet.sh stop "$work/fleet" >/dev/null 2>&1 || true
  bash tools/web/fixture.sh stop "$work/web" >/dev/null 2>&1 || true
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The hash that players compare their download with.
(cd "$(dirname "$zipfile")" && grep -F " $(basename "$zipfile")" SHA256SUMS | sha256sum --quiet -c -) ||
  { echo "check-package: SHA256SUMS beside the zip does not name its hash" >&2; exit 1; }

mkdir -p "$work/run"
unzip -q "$zipfile" -d "$work/run"
for f in varnok.exe kelvane-launcher.exe obscenities.txt README.txt; do
  [ -f "$work/run/$f" ] || { echo "check-package: $f missing" >&2; exit 1; }
done

for f in varnok.exe kelvane-launcher.exe; do
  [ "$(kelvane_pe_arch "$work/run/$f")" = win32 ] || { echo "check-package: $f is not a 32-bit program" >&2; exit 1; }
done
# A host that cannot execute 32-bit code cannot start the packaged programs: it
# opens the 64-bit build of the same sources instead, and says so.
if ! kelvane_can_run_32bit; then
  echo "check-package: this host cannot execute 32-bit code; opening the windows64 build's varnok.exe instead"
  bash scripts/build.sh windows64 >/dev/null
  cp "$(find build/windows64 -name varnok.exe -not -path '*/wineprefix/*' | head -n 1)" "$work/run/varnok.exe"
fi
kelvane_wine_use "$(kelvane_pe_arch "$work/run/varnok.exe")"

# The demo's game servers, the ones its master list names.
cmake --build build/windows --target fake-q2-server-host >/dev/null
export KELVANE_FAKEQ2=${KELVANE_FAKEQ2:-$PWD/build/windows/tools/fakeq2/fake-q2-server}
bash scripts/fleet.sh start tools/demo/fleet.scenario "$work/fleet" >/dev/null
bash tools/web/fixture.sh start tools/web/demo "$web_port" "$work/web" >/dev/null
bash scripts/wine-prefix.sh "$WINEPREFIX" "$WINEARCH"
printf '[General]\r\nWebServer=http://127.0.0.1:%s/\r\n' "$web_port" >"$WINEPREFIX/drive_c/windows/varnok.INI"

cat >"$work/run.sh" <<'SH'
cd "$1/run"
"$KELVANE_WINE" varnok.exe &
for _ in $(seq 150); do
  xdotool search --name '^Kelvane Monitor' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --name '^Kelvane Monitor' >/dev/null 2>&1 || { echo "check-package: no monitor window" >&2; exit 1; }
# Bounded wait for the first poll to reach every demo server.
for _ in $(seq 100); do
  [ "$(awk '{print $2}' "$1/fleet/fleet.log" | sort -u | wc -l)" -ge "$2" ] && exit 0
  sleep 0.1
done
echo "check-package: not every demo server was polled" >&2
exit 1
SH
servers=$(grep -c '^server' tools/demo/fleet.scenario)
timeout 120 bash scripts/with-display.sh bash "$work/run.sh" "$work" "$servers"
echo "check-package: $zipfile opens its window and polls the demo servers"
