#!/usr/bin/env bash
# Installs what is missing, builds every preset that runs here and the release
# packages, and runs the whole suite: native core tests (sanitizers), the fuzz
# targets over their corpus, then under Wine, for the 64-bit and the 32-bit
# build alike, the core tests, the adapter tests and the end-to-end scenarios,
# and the checks of the packages. Where this machine cannot run 32-bit code the
# 32-bit suites are built but counted as skipped. Ends with one summary line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"

jobs=$(nproc)
build() {  # preset
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs"
}
for preset in native fuzz win64; do
  echo "== build $preset"
  build "$preset"
done
"$root/scripts/package.sh"

# The 32-bit build runs through Wine's 32-bit half, on a kernel that runs 32-bit
# code natively or through the emulator install-deps.sh registered.
runs32=0 how32="not run: this machine runs no 32-bit code"
"$root/scripts/runs-32bit.sh" && how32="not run: Wine's 32-bit half (wine32:i386) could not be installed"
if "$root/scripts/runs-32bit.sh" && [ -x /usr/lib/wine/wine ]; then
  runs32=1 how32="run natively"
  [ -e /proc/sys/fs/binfmt_misc/zek-i386 ] && how32="run emulated by qemu (this kernel runs no 32-bit code)"
fi
export ZEK_RUNS_32BIT=$runs32

passed=0 failed=0 skipped=0
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

rm -rf "$root/build/win64/e2e-screenshots" "$root/build/win32/e2e-screenshots"
logs=$(mktemp -d)
echo "== native tests"
ctest --preset native -j "$jobs" 2>&1 | tee "$logs/native.log" || true
tally native "$logs/native.log"
echo "== fuzz targets over their corpus"
ctest --preset fuzz -j "$jobs" 2>&1 | tee "$logs/fuzz.log" || true
tally fuzz "$logs/fuzz.log"

source "$root/scripts/wine-session.sh"
build32="" shard_pids=()
# The build runs in a process group of its own, so an interrupted run ends the compilers too.
trap '[ -z "$build32" ] || kill -- "-$build32" 2>/dev/null || true
      for p in "${shard_pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait; zek_wine_stop' EXIT

# The Windows tests of a preset run in two shards side by side, each with its own
# virtual display, Wine prefix and Wine server: a scenario's launcher, hotkeys,
# windows and named objects are then seen by its own shard alone. Each shard runs
# every second test in ctest's order; their logs are shown once both are done.
shards=2
shard_prefix() { [ "$1" = 1 ] && echo "$root/build/wine/prefix" || echo "$root/build/wine/prefix$1"; }
run_windows_tests() {  # preset
  local preset=$1 n
  shard_pids=()
  for n in $(seq 1 $shards); do
    (
      trap 'exit 143' TERM
      trap zek_wine_stop EXIT
      # Displays apart, so that two shards starting together never pick the same one.
      ZEK_DISPLAY_FROM=$((80 + 10 * n)) ZEK_FORCE_XVFB=1 zek_wine_start "$(shard_prefix "$n")"
      echo "shard $n of $preset on display $DISPLAY"
      ctest --preset "$preset" -I "$n,,$shards" || true
    ) </dev/null >"$logs/$preset.$n.log" 2>&1 &
    shard_pids+=($!)
  done
  wait "${shard_pids[@]}" || true
  shard_pids=()
  for n in $(seq 1 $shards); do
    cat "$logs/$preset.$n.log"
    tally "$preset shard $n" "$logs/$preset.$n.log"
  done
}

# The scenarios mostly wait on windows: the 32-bit build takes the idle cores
# meanwhile, behind them in priority for the processor and the disk (a save
# that waits for its data to reach the disk must not wait behind the compiler).
echo "== build win32 (in the background, log in $logs/win32-build.log)"
setsid nice -n 19 ionice -c 3 bash -c "$(declare -f build); jobs=$jobs; build win32" </dev/null >"$logs/win32-build.log" 2>&1 &
build32=$!
echo "== Windows tests under Wine, $shards shards side by side"
run_windows_tests win64
if ! wait $build32; then
  echo "== build win32 failed:"
  tail -n 40 "$logs/win32-build.log"
  failed=$((failed + 1))
  export ZEK_RUNS_32BIT=0
elif [ $runs32 = 1 ]; then
  echo "== 32-bit Windows tests under Wine, $shards shards side by side"
  run_windows_tests win32
else
  count=$(ctest --preset win32 -N | sed -n 's/^Total Tests: \([0-9]*\)$/\1/p')
  echo "== 32-bit Windows tests: $count skipped, $how32"
  skipped=$((skipped + ${count:-0}))
fi
echo "== package checks"
ZEK_FORCE_XVFB=1 zek_wine_start "$root/build/wine/prefix"
"$root/tests/package/check-package.sh" 2>&1 | tee "$logs/package.log" || true
if [[ $(tail -n 1 "$logs/package.log") =~ ^package\ checks:\ ([0-9]+)\ passed,\ ([0-9]+)\ failed,\ ([0-9]+)\ skipped$ ]]; then
  passed=$((passed + BASH_REMATCH[1]))
  failed=$((failed + BASH_REMATCH[2]))
  skipped=$((skipped + BASH_REMATCH[3]))
else
  echo "package checks reported no result"
  failed=$((failed + 1))
fi
build32=""
zek_wine_stop
trap - EXIT

for shots in "$root"/build/win{64,32}/e2e-screenshots; do
  if [ -d "$shots" ] && [ -n "$(ls -A "$shots" 2>/dev/null)" ]; then
    echo "screenshots of failed scenarios: $shots"
  fi
done
echo "the 32-bit program: $how32"
echo "tests: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
