#!/usr/bin/env bash
# Measures, under Wine, the time from starting varnok.exe to its window being
# visible, against web servers that misbehave (serve.py's modes on 127.0.0.1):
#   bash tools/web/startup-bench.sh [build dir (default build/windows64)] [runs (default 3)]
# Run it inside a private network namespace, as the tests are:
#   unshare -n bash -c 'ip link set lo up && bash tools/web/startup-bench.sh'
# The files are 10 bytes each, so that a server sending a byte a second would take
# 10 s per file. Figures are wall-clock and suffer from the machine's load.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/windows64}" && pwd)
runs=${2:-3}
port=18081
closed_port=18082
exe=$(find "$build" -name varnok.exe -not -path "*/wineprefix/*" -print -quit)
[ -n "$exe" ] || { echo "startup-bench: no varnok.exe under $build" >&2; exit 1; }

. "$root/scripts/wine-env.sh"
kelvane_wine_use "$(kelvane_pe_arch "$exe")"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
bash "$root/scripts/wine-prefix.sh" "$WINEPREFIX" "$WINEARCH" >/dev/null

work=$(mktemp -d)
ini=$WINEPREFIX/drive_c/windows/varnok.ini
saved_ini=$work/varnok.ini.saved
[ -f "$ini" ] && cp "$ini" "$saved_ini"
cleanup() {
  wineserver -k 2>/dev/null || true # this prefix's server only
  bash "$root/tools/web/fixture.sh" stop "$work/web" >/dev/null 2>&1 || true
  if [ -f "$saved_ini" ]; then cp "$saved_ini" "$ini"; else rm -f "$ini"; fi
  [ -n "${KELVANE_BENCH_KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/files" "$work/run"
printf '3        \n' >"$work/files/build.txt"
printf '10.0.0.1\r\n' >"$work/files/gameservers.txt"
printf 'News today' >"$work/files/news.txt"
bash "$root/tools/web/fixture.sh" start "$work/files" "$port" "$work/web" 3600

# Starts the monitor against one base location; prints the ms until its window is
# visible, or "none" when it did not come within 60 s.
measure() {
  printf '[General]\r\nWebServer=%s\r\nNumQueryThreads=1\r\n' "$1" >"$ini"
  local start now pid shown=none
  start=$(date +%s%N)
  (cd "$work/run" && exec "$KELVANE_WINE" "$exe" >>"$work/wine.log" 2>&1) &
  pid=$!
  for _ in $(seq 1500); do
    if xdotool search --onlyvisible --name '^Kelvane Monitor' >/dev/null 2>&1; then
      now=$(date +%s%N)
      shown=$(((now - start) / 1000000))
      break
    fi
    sleep 0.02
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  # Let the window go before the next run looks for one.
  for _ in $(seq 100); do
    xdotool search --name '^Kelvane Monitor' >/dev/null 2>&1 || break
    sleep 0.05
  done
  echo "$shown"
}

bench() {
  # A running wine server, as on a user's machine where Windows is already up;
  # it ends with the display.
  wineserver -p >/dev/null 2>&1 </dev/null
  "$KELVANE_WINE" wineboot >/dev/null 2>&1 || true
  measure "http://127.0.0.1:$port/" >/dev/null
  local cases=(
    "answers at once|http://127.0.0.1:$port/"
    "never answers|http://127.0.0.1:$port/hang/"
    "nothing listening|http://127.0.0.1:$closed_port/"
    "a byte a second|http://127.0.0.1:$port/trickle/"
    "redirects to itself|http://127.0.0.1:$port/loop/"
  )
  printf '%-22s %s\n' "web server" "ms from start to visible window, $runs runs"
  for c in "${cases[@]}"; do
    local name=${c%%|*} base=${c#*|} results=()
    for _ in $(seq "$runs"); do results+=("$(measure "$base")"); done
    printf '%-22s %s\n' "$name" "${results[*]}"
  done
}

export -f measure bench
export exe ini work port closed_port runs
bash "$root/scripts/with-display.sh" bash -c bench
