#!/usr/bin/env bash
# Builds the bench preset and runs the query benchmarks against fake server fleets on
# 127.0.0.1 (ports 29000-30099); each run is bounded in time.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build build/bench -j 2 --target fake-q2-server ping_accuracy_bench throughput_bench
# The word list comes from the current folder; the benchmarks run without one.
mkdir -p build/bench/bench-fleet
cd build/bench/bench-fleet
for bench in ping_accuracy_bench throughput_bench; do
  echo "== $bench"
  timeout 300 "../bench/$bench"
done
