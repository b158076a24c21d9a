#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds every preset and runs the whole test suite:
# natively (AddressSanitizer and UBSan), the threaded tests under ThreadSanitizer,
# the fuzz corpora as regression tests, and the Windows build under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install.sh
bash scripts/build.sh native tsan fuzz windows

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
bash scripts/wine-prefix.sh "$PWD/build/windows/wineprefix"
run windows bash scripts/with-display.sh

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
