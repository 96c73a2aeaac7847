#!/usr/bin/env bash
# Draws the README's pictures again: runs the picture scenarios under Wine on a
# virtual display and turns the bitmaps they read off the screen into
# docs/pictures/*.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"

source "$root/scripts/wine-session.sh"
trap zek_wine_stop EXIT
ZEK_FORCE_XVFB=1 zek_wine_start "$root/build/wine/prefix"
work="$root/build/win64/bin/e2e-work"
intro="$work/Pictures.TheIntroTypingTheBarWithACompletedNameAndTheMenus"
mkdir -p docs/pictures
# The bar on a screen at 150 % first: the scenarios at 96 DPI then take its place.
(cd build/win64/tests/e2e && bash "$root/tests/e2e/run-at-dpi.sh" 144 "$root/build/win64/bin/zek_e2e_scenarios.exe" \
  "$root/build/win64/e2e-screenshots" Pictures.TheIntroTypingTheBarWithACompletedNameAndTheMenus)
convert "$intro/bar.bmp" docs/pictures/bar-150.png
echo docs/pictures/bar-150.png
ctest --test-dir build/win64 -R '^e2e\.Pictures\.' --output-on-failure
zek_wine_stop
trap - EXIT

for picture in "$intro/bar" "$intro/node-menu" "$intro/task-menu"; do
  convert "$picture.bmp" "docs/pictures/${picture##*/}.png"
  echo "docs/pictures/${picture##*/}.png"
done
convert -delay 4 -loop 0 "$intro/frame-"*.bmp -layers Optimize docs/pictures/bar-animation.gif
echo docs/pictures/bar-animation.gif
