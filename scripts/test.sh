#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds every preset and runs the whole test suite:
# natively (AddressSanitizer and UBSan), the threaded tests under ThreadSanitizer,
# the fuzz corpora as regression tests, and the Windows build under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install.sh
. scripts/wine-env.sh
# The 32-bit programs are always built; the Wine tests run on the build this host can run.
wine_preset=$(kelvane_wine_preset)
presets=(native tsan fuzz windows)
[ "$wine_preset" = windows ] || presets+=("$wine_preset")
bash scripts/build.sh "${presets[@]}"

passed=0 failed=0
run() {
  local preset=$1; shift
  echo "== test $preset"
  local log=build/$preset/ctest.log
  local status=0
  "$@" ctest --test-dir "build/$preset" --output-on-failure -j 2 2>&1 | tee "$log" || status=1
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$line" ]; then
    grep -q 'No tests were found' "$log" && return
    failed=$((failed + 1)); return
  fi
  local f t
  f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  t=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + t - f)); failed=$((failed + f))
  [ "$status" -eq 0 ] || [ "$f" -gt 0 ] || failed=$((failed + 1))
}
run native
run tsan
run fuzz
[ "$wine_preset" = windows ] || echo "== this host cannot execute 32-bit code: the Wine tests run on the 64-bit build"
kelvane_wine_use "$([ "$wine_preset" = windows ] && echo win32 || echo win64)"
bash scripts/wine-prefix.sh "$PWD/build/$wine_preset/wineprefix" "$WINEARCH"
run "$wine_preset" bash scripts/with-display.sh

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
