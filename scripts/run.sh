#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it under Wine: on this
# display, or on a virtual one when there is none (a screenshot is saved then).
# The first run puts the demo data file beside the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target ZekLauncher

home="$root/build/run"
mkdir -p "$home"
cp "$root/build/win64/bin/ZekLauncher.exe" "$home/"
[ -f "$home/ZekLauncher.dat" ] || cp "$root/examples/ZekLauncher.dat" "$home/"

source "$root/scripts/wine-session.sh"
trap zek_wine_stop EXIT
headless=0
[ -z "${DISPLAY:-}" ] && headless=1
zek_wine_start "$root/build/wine/prefix"
cd "$home"
echo "ZekLauncher runs from $home on display $DISPLAY: Windows+Return shows the bar."
if [ "$headless" = 1 ]; then
  "$ZEK_WINE64" ./ZekLauncher.exe </dev/null >/dev/null 2>&1 &
  launcher=$!
  sleep 3
  "$ZEK_WINE64" ./ZekLauncher.exe /s </dev/null >/dev/null 2>&1 || true
  sleep 1
  import -window root "$home/screenshot.png" && echo "no display: screenshot saved to $home/screenshot.png"
  echo "stopping (there is no display to use it on)"
  "$ZEK_WINE64" ./ZekLauncher.exe /x </dev/null >/dev/null 2>&1 || true
  wait "$launcher" || true
else
  echo "End it with: ZekLauncher.exe /x, or the tray menu's 終了(&X)."
  "$ZEK_WINE64" ./ZekLauncher.exe "$@" </dev/null
fi
