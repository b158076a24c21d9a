#!/usr/bin/env bash
# Configures and builds the named presets (default: every preset the tests use).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native tsan fuzz windows)
for p in "${presets[@]}"; do
  echo "== build $p"
  cmake --preset "$p" >/dev/null
  cmake --build "build/$p" -j "$(nproc)"
done
