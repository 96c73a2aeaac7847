#!/usr/bin/env bash
# The launcher's CPU while its bar is shown (a frame every 120 - Cpu ms, 20 ms at
# the default Cpu of 100) and while it is hidden. Read from Linux: under Wine one
# process cannot read another's CPU times. Run inside a Wine session (README):
#   bench/win32/launcher_cpu.sh [win64|win32]    (the build to measure, default win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/build/${1:-win64}/bin/ZekLauncher.exe" "$work/"
cd "$work"
/usr/lib/wine/wine64 ZekLauncher.exe </dev/null >/dev/null 2>&1 &
pid=$!
sleep 4
hz=$(getconf CLK_TCK)
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
share() {  # label, seconds
  local before after
  before=$(ticks)
  sleep "$2"
  after=$(ticks)
  awk -v t=$((after - before)) -v hz="$hz" -v s="$2" -v label="$1" \
    'BEGIN { printf "launcher CPU, %s: %.1f %% of one core\n", label, 100 * t / hz / s }'
}
/usr/lib/wine/wine64 ZekLauncher.exe /s </dev/null >/dev/null 2>&1
sleep 1
share "bar shown (Cpu 100)" 10
/usr/lib/wine/wine64 ZekLauncher.exe /h </dev/null >/dev/null 2>&1
sleep 1
share "bar hidden" 10
/usr/lib/wine/wine64 ZekLauncher.exe /x </dev/null >/dev/null 2>&1
wait "$pid" || true
