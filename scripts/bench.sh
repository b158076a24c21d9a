#!/usr/bin/env bash
# The benchmarks, each run bounded in time, against fake server fleets on 127.0.0.1.
#   bench.sh native   the query core, optimised native build (bench preset):
#                     ping accuracy, 1,000 servers against quakestat; the monitor's
#                     core on the user's actions over 2,000 and 40,000 rows
#   bench.sh wine     the monitor under Wine (windows64 preset), with quakestat over
#                     the same fleet in the same run: 2,000 servers at once, 300 with
#                     spread delays, ping against the delay the fake server applied,
#                     start-up with 5,000-40,000 rows, filter changes over 2,000 rows,
#                     the user's actions on 2,000 and 40,000 rows, an evening of polls
#   bench.sh          both
# The Wine part runs in a private network namespace when unshare allows it, so that
# other users of the loopback ports neither disturb it nor are disturbed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
part=${1:-all}

native() {
  cmake --preset bench >/dev/null
  cmake --build build/bench -j 2 --target fake-q2-server ping_accuracy_bench throughput_bench core_lists_bench
  # The word list comes from the current folder; the benchmarks run without one.
  mkdir -p build/bench/bench-fleet
  (cd build/bench/bench-fleet && for bench in ping_accuracy_bench throughput_bench core_lists_bench; do
    echo "== $bench"
    timeout 300 "../bench/$bench"
  done)
}

# Seconds that a command takes, to the millisecond.
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", (b - a) / 1e9 }'
}

# quakestat over the fleet of bench/bench.scenario, started here on its own.
quakestat_figures() {
  local state=build/windows64/bench-quakestat
  KELVANE_FLEET_LIFETIME=300 KELVANE_FAKEQ2=build/windows64/tools/fakeq2/fake-q2-server \
    bash scripts/fleet.sh start bench/bench.scenario "$state"
  trap 'bash scripts/fleet.sh stop '"$state" RETURN
  local hosts=$state/hosts
  for port in $(seq 29000 30999); do echo "Q2S 127.0.0.1:$port"; done >"$hosts.2000"
  for port in $(seq 31000 31299); do echo "Q2S 127.0.0.1:$port"; done >"$hosts.300"
  echo "quakestat: 2,000 servers at once, -maxsim 7: $(seconds timeout 120 quakestat -maxsim 7 -f "$hosts.2000" -raw ,) s"
  echo "quakestat: 300 servers with spread delays, -maxsim 7: $(seconds timeout 120 quakestat -maxsim 7 -f "$hosts.300" -raw ,) s"
  # Its ping against the delay that the fake server logged for the same reply.
  for port in 27990 27991 27992; do
    local diffs=""
    for _ in $(seq 20); do
      local ping applied
      ping=$(timeout 10 quakestat -q2s "127.0.0.1:$port" -raw , | awk -F, 'NF >= 7 { print $7 }')
      applied=$(awk -v p="$port" '$1 == p { us = $3 } END { print us }' "$state/replies.log")
      diffs+="$ping $applied"$'\n'
    done
    echo -n "$diffs" | awk -v p="$port" '$2 != "" {
        d = $1 - $2 / 1000; n++; s += d; a += (d < 0 ? -d : d); if (n == 1 || d > m) m = d }
      END { printf "quakestat: ping port %d, ping minus applied delay: mean %+.2f ms, mean |error| %.2f ms, max %+.2f ms (%d)\n", p, s / n, a / n, m, n }'
  done
}

wine_part() {
  if [ -z "${KELVANE_BENCH_NETNS:-}" ] && unshare -n true 2>/dev/null; then
    KELVANE_BENCH_NETNS=1 exec unshare -n bash -c 'ip link set lo up && bash "$0" wine' "$root/scripts/bench.sh"
  fi
  bash scripts/build.sh windows64 >/dev/null
  bash scripts/wine-prefix.sh "$root/build/windows64/wineprefix" win64 >/dev/null
  echo "== quakestat (native) on the fleet of bench/bench.scenario"
  quakestat_figures
  echo "== the monitor under Wine on the same fleet (bench/PollBenchmark.cpp)"
  bash scripts/with-display.sh ctest --test-dir build/windows64 -R ui_poll_bench -V |
    grep -E '^[0-9]+: (dialog|core|bare|spread|ping|rows|save|filter|heavy|evening)|FAILED|Failure|Passed|tests passed'
}

case "$part" in
  native) native ;;
  wine) wine_part ;;
  all) native; bash "$0" wine ;;
  *) echo "usage: bench.sh [native|wine]" >&2; exit 2 ;;
esac
