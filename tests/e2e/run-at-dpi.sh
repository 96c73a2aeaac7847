#!/usr/bin/env bash
# Runs end-to-end scenarios, one by one as run-scenario.sh runs them, on a screen
# of another DPI: the prefix's LogPixels, which the Wine server reads when it
# starts, is set and the server started again; afterwards, whatever happened, it
# is set back to 96 and the server started once more. Needs the session of
# scripts/wine-session.sh and no other Wine program running.
# Usage: run-at-dpi.sh DPI SCENARIOS-PROGRAM SCREENSHOT-DIR SCENARIO...
set -u
dpi=$1 scenarios=$2 screenshots=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
wine64=/usr/lib/wine/wine64

serve_at() {  # dpi
  "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
  /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1
  /usr/lib/wine/wineserver -w </dev/null >/dev/null 2>&1
  /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
  "$wine64" wineboot </dev/null >/dev/null 2>&1
}

trap 'serve_at 96' EXIT
serve_at "$dpi"
status=0
for scenario in "$@"; do
  echo "== $scenario at $dpi DPI"
  bash "$here/run-scenario.sh" "$scenarios" "$scenario" "$screenshots/$dpi" || status=1
done
exit $status
