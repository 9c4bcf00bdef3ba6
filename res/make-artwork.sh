#!/usr/bin/env bash
# Draws the program's own artwork with ImageMagick. The results are committed, so a build
# does not need ImageMagick; run this again after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert

# Program icon: a birthday cake with one candle on a rounded blue tile.
$convert -size 256x256 xc:none \
    -fill '#2f6fb5' -draw 'roundrectangle 8,8 247,247 44,44' \
    -fill '#f7c6d9' -draw 'roundrectangle 40,128 216,216 18,18' \
    -fill '#ffffff' -draw 'roundrectangle 36,112 220,146 16,16' \
    -fill '#ffffff' -draw 'circle 64,146 64,160' -draw 'circle 104,146 104,162' \
    -draw 'circle 152,146 152,160' -draw 'circle 192,146 192,162' \
    -fill '#e0457b' -draw 'rectangle 40,180 216,192' \
    -fill '#ffe9a8' -draw 'roundrectangle 118,56 138,112 6,6' \
    -fill '#ffb300' -draw 'ellipse 128,38 13,22 0,360' \
    -fill '#fff3c4' -draw 'ellipse 128,44 5,10 0,360' \
    program-256.png
$convert program-256.png -define icon:auto-resize=48,32,16 natalo.ico
rm -f program-256.png
