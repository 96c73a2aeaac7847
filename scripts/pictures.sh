#!/usr/bin/env bash
# Draws the README's pictures again: runs the picture program under Wine on a
# virtual display and turns the bitmaps it reads off the screen into
# docs/pictures/*.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target zek_pictures

source "$root/scripts/wine-session.sh"
trap zek_wine_stop EXIT
ZEK_FORCE_XVFB=1 zek_wine_start "$root/build/wine/prefix"
work="$root/build/win64/bin/e2e-work"
pictures=Pictures.TheIntroTypingTheBarWithACompletedNameAndTheMenus
intro="$work/$pictures"
mkdir -p docs/pictures
program="$root/build/win64/bin/zek_pictures.exe" screenshots="$root/build/win64/e2e-screenshots"
# The bar on a screen at 150 % first: the pictures at 96 DPI then take its place.
(cd build/win64/tests/e2e && bash "$root/tests/e2e/run-at-dpi.sh" 144 "$program" "$screenshots" "$pictures")
convert "$intro/bar.bmp" docs/pictures/bar-150.png
echo docs/pictures/bar-150.png
(cd build/win64/tests/e2e && bash "$root/tests/e2e/run-scenario.sh" "$program" "$pictures" "$screenshots")
zek_wine_stop
trap - EXIT

for picture in "$intro/bar" "$intro/node-menu" "$intro/task-menu"; do
  convert "$picture.bmp" "docs/pictures/${picture##*/}.png"
  echo "docs/pictures/${picture##*/}.png"
done
convert -delay 4 -loop 0 "$intro/frame-"*.bmp -layers Optimize docs/pictures/bar-animation.gif
echo docs/pictures/bar-animation.gif
