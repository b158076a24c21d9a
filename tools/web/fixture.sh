#!/usr/bin/env bash
# Starts serve.py in the background for a test fixture and stops it again; every
# wait is bounded.
#   fixture.sh start <root dir> <port> <state dir> [lifetime s]
#   fixture.sh stop <state dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
python=${PYTHON:-python3}

case ${1:-} in
start)
  root=$2 port=$3 state=$4 lifetime=${5:-600}
  "$0" stop "$state"
  mkdir -p "$state"
  rm -f "$state/ready" "$state/web.log"
  "$python" "$here/serve.py" --root "$root" --port "$port" --ready "$state/ready" \
    --log "$state/web.log" --lifetime "$lifetime" >"$state/serve.out" 2>&1 </dev/null &
  echo $! >"$state/pid"
  for _ in $(seq 100); do
    [ -s "$state/ready" ] && exit 0
    kill -0 "$(cat "$state/pid")" 2>/dev/null || break
    sleep 0.1
  done
  echo "web server on port $port did not start:" >&2
  cat "$state/serve.out" >&2
  "$0" stop "$state"
  exit 1
  ;;
stop)
  state=$2
  [ -f "$state/pid" ] || exit 0
  pid=$(cat "$state/pid")
  rm -f "$state/pid"
  kill "$pid" 2>/dev/null || exit 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || exit 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
  ;;
*)
  echo "usage: $0 start <root> <port> <state dir> [lifetime] | stop <state dir>" >&2
  exit 2
  ;;
esac
