#!/usr/bin/env bash
# Installs what is missing, builds every preset that runs here and the release
# packages, and runs the whole suite: native core tests (sanitizers), the fuzz
# targets over their corpus, then under
# Wine the core tests of the Windows build, the end-to-end scenarios and the
# checks of the packages. Ends with one summary line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"

jobs=$(nproc)
for preset in native fuzz win64; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
# The 32-bit program is compiled here, by its release preset.
"$root/scripts/package.sh"

passed=0 failed=0
tally() {  # preset, ctest log
  local line
  line=$(grep -E '^[0-9]+% tests passed' "$2" | tail -n 1 || true)
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    echo "$1: ctest reported no result"
    failed=$((failed + 1))
  fi
}

rm -rf "$root/build/win64/e2e-screenshots"
logs=$(mktemp -d)
echo "== native tests"
ctest --preset native -j "$jobs" 2>&1 | tee "$logs/native.log" || true
tally native "$logs/native.log"
echo "== fuzz targets over their corpus"
ctest --preset fuzz -j "$jobs" 2>&1 | tee "$logs/fuzz.log" || true
tally fuzz "$logs/fuzz.log"

source "$root/scripts/wine-session.sh"
trap zek_wine_stop EXIT
ZEK_FORCE_XVFB=1 zek_wine_start "$root/build/wine/prefix"
echo "== Windows tests under Wine (display $DISPLAY)"
ctest --preset win64 2>&1 | tee "$logs/win64.log" || true
tally win64 "$logs/win64.log"
echo "== package checks"
"$root/tests/package/check-package.sh" 2>&1 | tee "$logs/package.log" || true
if [[ $(tail -n 1 "$logs/package.log") =~ ^package\ checks:\ ([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
  passed=$((passed + BASH_REMATCH[1]))
  failed=$((failed + BASH_REMATCH[2]))
else
  echo "package checks reported no result"
  failed=$((failed + 1))
fi
zek_wine_stop
trap - EXIT

shots="$root/build/win64/e2e-screenshots"
if [ -d "$shots" ] && [ -n "$(ls -A "$shots" 2>/dev/null)" ]; then
  echo "screenshots of failed scenarios: $shots"
fi
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
