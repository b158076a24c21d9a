#!/usr/bin/env bash
# Starts serve.py in the background for a test fixture or the demo, and stops it
# again; every wait is bounded.
#   fixture.sh start <root dir> <port> <state dir> [lifetime s]
#   fixture.sh stop <state dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

stop() {
  local state=$1 pid
  [ -f "$state/pid" ] || return 0
  pid=$(cat "$state/pid")
  rm -f "$state/pid"
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
}

start() {
  local root=$1 port=$2 state=$3 lifetime=${4:-600}
  stop "$state"
  mkdir -p "$state"
  rm -f "$state/ready" "$state/web.log"
  "${PYTHON:-python3}" "$here/serve.py" --root "$root" --port "$port" --ready "$state/ready" \
    --log "$state/web.log" --lifetime "$lifetime" >"$state/serve.out" 2>&1 </dev/null &
  echo $! >"$state/pid"
  for _ in $(seq 100); do
    [ -s "$state/ready" ] && return 0
    kill -0 "$(cat "$state/pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "web server on port $port did not start:" >&2
  cat "$state/serve.out" >&2
  stop "$state"
  return 1
}

case ${1:-} in
start) start "${@:2}" ;;
stop) stop "$2" ;;
*)
  echo "usage: $0 start <root> <port> <state dir> [lifetime s] | stop <state dir>" >&2
  exit 2
  ;;
esac
