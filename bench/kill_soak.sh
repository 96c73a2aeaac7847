#!/usr/bin/env bash
# The long kill loop: the launcher killed KILLS times (default 500) while it
# converts an old data file; prints how many kills the file survived whole. scripts/test.sh runs the short form.
#   bench/kill_soak.sh [KILLS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target zek_e2e_scenarios >/dev/null
source "$root/scripts/wine-session.sh"
trap zek_wine_stop EXIT
ZEK_FORCE_XVFB=1 zek_wine_start "$root/build/wine/prefix"
log=$(mktemp)
ZEK_KILLS=${1:-500} WINEDEBUG=-all "$ZEK_WINE64" "$root/build/win64/bin/zek_e2e_scenarios.exe" \
  --gtest_filter='KillLoop.*' </dev/null >"$log" 2>&1 || status=$?
grep -E 'whole after|OK \]|FAILED|Failure' "$log" || true
rm -f "$log"
exit "${status:-0}"
