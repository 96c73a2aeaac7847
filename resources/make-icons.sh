#!/usr/bin/env bash
# Draws the program's icon art (ImageMagick). The .ico files are committed; run
# this only to change the art.
set -euo pipefail
cd "$(dirname "$0")/icons"
make_icon() {  # name, draw commands at 32x32 on black
  local name=$1; shift
  convert -size 32x32 xc:none "$@" -define icon:auto-resize=32,16 "$name.ico"
}
teal='#32DCB4'
# The program: a teal chevron prompt on a dark rounded square.
make_icon zeklauncher -fill '#0A0A0A' -draw 'roundrectangle 1,1 30,30 6,6' \
  -stroke "$teal" -strokewidth 4 -fill none -draw 'polyline 8,9 16,16 8,23' -draw 'line 17,23 25,23'
cp zeklauncher.ico zeklauncher_small.ico
# Node: a folder.
make_icon node -fill '#E0B040' -draw 'polygon 2,8 12,8 15,11 30,11 30,27 2,27' -fill '#F4CC60' -draw 'rectangle 2,13 30,27'
# Data item: a document with a play arrow.
make_icon data_item -fill '#F0F0F0' -draw 'polygon 5,2 21,2 27,8 27,30 5,30' -fill "$teal" -draw 'polygon 11,10 22,16 11,22'
# Built-in command: a gear-like star.
make_icon command -fill "$teal" -draw 'circle 16,16 16,4' -fill '#0A0A0A' -draw 'circle 16,16 16,11'
# Flags: boot (lightning), extension (dot), task (two windows).
make_icon flag_boot -fill '#FFD040' -draw 'polygon 18,2 6,18 15,18 12,30 26,12 17,12'
make_icon flag_extension -fill '#60A0FF' -draw 'circle 16,16 16,6'
make_icon flag_task -fill none -stroke '#F0F0F0' -strokewidth 3 -draw 'rectangle 4,6 20,20' -draw 'rectangle 12,12 28,26'
