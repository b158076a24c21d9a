#!/usr/bin/env bash
# Starts or stops a fake Quake II server fleet in the background.
#   fleet.sh start <scenario> <state dir>   returns once every server is bound (at most 15 s)
#   fleet.sh stop <state dir>               returns once the fleet process is gone (at most 5 s)
# The state dir keeps the process id, the ready mark, fleet.log (one line per request),
# replies.log (one line per reply, with the delay applied)
# and fleet.out (the program's own messages). The fleet ends by itself after
# KELVANE_FLEET_LIFETIME seconds (default 600) even if nobody stops it.
# The program is KELVANE_FAKEQ2 if set, else tools/fakeq2/fake-q2-server of the build
# folder that holds the state dir, else of build/native.
set -euo pipefail

usage() { echo "usage: fleet.sh start <scenario> <state dir> | stop <state dir>" >&2; exit 2; }

# Whether a process runs (a zombie that nobody has reaped yet does not).
alive() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  [[ ${stat##*) } != Z* ]]
}

# The process id in the state dir, when it still names a running fleet (not a reused id).
running_pid() {
  local pid
  pid=$(cat "$1/pid" 2>/dev/null) || return 1
  [[ $pid =~ ^[0-9]+$ ]] && alive "$pid" &&
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q fake-q2-server && echo "$pid"
}

find_program() {
  if [ -n "${KELVANE_FAKEQ2:-}" ]; then echo "$KELVANE_FAKEQ2"; return; fi
  local dir
  dir=$(cd "$1" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || dir="$(cd "$(dirname "$0")/.." && pwd)/build/native"
  echo "$dir/tools/fakeq2/fake-q2-server"
}

stop() {
  local state=$1 pid
  if pid=$(running_pid "$state"); then
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 100); do alive "$pid" || break; sleep 0.05; done
    if alive "$pid"; then kill -KILL "$pid" 2>/dev/null || true; sleep 0.1; fi
  fi
  rm -f "$state/pid" "$state/ready"
}

start() {
  local scenario=$1 state=$2
  [ -f "$scenario" ] || { echo "fleet.sh: no scenario $scenario" >&2; exit 1; }
  mkdir -p "$state"
  stop "$state"
  rm -f "$state/fleet.log" "$state/replies.log" "$state/fleet.out"
  local program
  program=$(find_program "$state")
  [ -x "$program" ] || { echo "fleet.sh: $program is not built" >&2; exit 1; }
  # Its own session, so that the test runner's signals to this script's group leave it alone;
  # the lifetime bounds it all the same.
  setsid "$program" --scenario "$scenario" --log "$state/fleet.log" --reply-log "$state/replies.log" --ready "$state/ready" \
    --lifetime "${KELVANE_FLEET_LIFETIME:-600}" </dev/null >"$state/fleet.out" 2>&1 &
  local pid=$!
  echo "$pid" >"$state/pid"
  for _ in $(seq 150); do
    [ -f "$state/ready" ] && return 0
    if ! alive "$pid"; then
      echo "fleet.sh: the fleet did not start:" >&2; cat "$state/fleet.out" >&2; rm -f "$state/pid"; exit 1
    fi
    sleep 0.1
  done
  echo "fleet.sh: the fleet was not ready within 15 s" >&2
  stop "$state"
  exit 1
}

case "${1:-}" in
  start) [ $# -eq 3 ] || usage; start "$2" "$3" ;;
  stop) [ $# -eq 2 ] || usage; stop "$2" ;;
  *) usage ;;
esac
