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
$convert program-256.png -define icon:auto-resize=64,48,32,24,16 natalo.ico
rm -f program-256.png

font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
serif=/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf

# The pictures are drawn for 96 DPI and again twice as large (the "-2x" files), which the
# program scales down for the higher DPIs.
scaled() {  # scale: the drawing transform for the -draw primitives
    [ "$1" -gt 1 ] && echo "-affine $1,0,0,$1,0,0" || true
}

# Birthday window's decorative picture (153 x 297): balloons rising over a present on a
# soft evening sky, with a little confetti.
birthday_picture() {  # scale output
    local s=$1
    # shellcheck disable=SC2046
    $convert -size $((153 * s))x$((297 * s)) gradient:'#7fb2e5'-'#f3e6f5' $(scaled "$s") \
    -fill '#ffffff' -draw 'circle 25,40 27,40' -draw 'circle 120,22 122,22' \
    -draw 'circle 140,90 141,90' -draw 'circle 12,120 13,120' \
    -stroke '#5a6b80' -strokewidth 1 -fill none \
    -draw 'bezier 48,108 56,150 40,190 70,222' \
    -draw 'bezier 96,92 88,140 104,180 78,222' \
    -draw 'bezier 122,132 118,170 96,200 82,222' \
    -stroke none \
    -fill '#e0457b' -draw 'ellipse 48,78 26,32 0,360' -draw 'polygon 44,109 52,109 48,103' \
    -fill '#f7a1c0' -draw 'ellipse 40,66 7,10 0,360' \
    -fill '#ffb300' -draw 'ellipse 98,62 24,30 0,360' -draw 'polygon 94,91 102,91 98,85' \
    -fill '#ffe08a' -draw 'ellipse 90,50 6,9 0,360' \
    -fill '#2f6fb5' -draw 'ellipse 122,108 20,25 0,360' -draw 'polygon 118,132 126,132 122,127' \
    -fill '#8fb8e6' -draw 'ellipse 116,98 5,8 0,360' \
    -fill '#2f9e5b' -draw 'roundrectangle 34,222 120,284 4,4' \
    -fill '#3fbf72' -draw 'rectangle 30,214 124,232' \
    -fill '#ffd54a' -draw 'rectangle 70,214 84,284' -draw 'rectangle 30,219 124,227' \
    -draw 'ellipse 66,208 12,7 0,360' -draw 'ellipse 88,208 12,7 0,360' \
    -fill '#e0457b' -draw 'rectangle 14,150 19,155' -draw 'rectangle 134,170 139,175' \
    -fill '#2f6fb5' -draw 'rectangle 22,250 26,254' -draw 'rectangle 132,246 136,250' \
    -fill '#ffb300' -draw 'rectangle 8,200 12,204' -draw 'rectangle 138,214 142,218' \
    -quality 92 "$2"
}
birthday_picture 1 birthday-picture.jpg
birthday_picture 2 birthday-picture-2x.jpg

# About box logo (201 x 73): the cake of the program icon beside the program's name.
logo() {  # scale output
    local s=$1
    # shellcheck disable=SC2046
    $convert -size $((201 * s))x$((73 * s)) gradient:'#ffffff'-'#e6eef8' $(scaled "$s") \
    -fill '#2f6fb5' -draw 'roundrectangle 6,8 62,64 12,12' \
    -fill '#f7c6d9' -draw 'roundrectangle 14,38 54,58 5,5' \
    -fill '#ffffff' -draw 'roundrectangle 13,34 55,42 4,4' \
    -fill '#e0457b' -draw 'rectangle 14,50 54,53' \
    -fill '#ffe9a8' -draw 'rectangle 32,22 36,34' \
    -fill '#ffb300' -draw 'ellipse 34,17 3,5 0,360' \
    -font $serif -pointsize $((30 * s)) -fill '#1e4e8e' -annotate +$((72 * s))+$((40 * s)) 'Natalo' \
    -font $font -pointsize $((10 * s)) -fill '#e0457b' \
    -annotate +$((74 * s))+$((58 * s)) 'The Birthday Manager' \
    -quality 92 "$2"
}
logo 1 natalo-logo.jpg
logo 2 natalo-logo-2x.jpg

# Picture-button icons: drawn at 64 pixels and scaled down, so edges come out smooth. Each
# has the size the windows draw it at 96 DPI and the larger ones up to 64 pixels, so that
# every display scale takes an image of its own size or scales a larger one down.
icon() {  # name size draw-arguments...
    local name=$1 size=$2 images=() each
    shift 2
    for each in 16 24 32 48 64; do
        [ "$each" -lt "$size" ] && continue
        $convert -size 64x64 xc:none "$@" -resize ${each}x${each} "$name-$each.miff"
        images+=("$name-$each.miff")
    done
    $convert "${images[@]}" "$name.ico"
    rm -f "${images[@]}"
}
# Print: a printer with a sheet coming out.
icon button-print 32 \
    -fill '#ffffff' -stroke '#4a5568' -strokewidth 3 -draw 'rectangle 18,6 46,28' \
    -fill '#6b7c93' -stroke '#3b4656' -draw 'roundrectangle 6,24 58,48 6,6' \
    -fill '#ffffff' -draw 'rectangle 16,40 48,60' \
    -stroke '#2f6fb5' -strokewidth 2 -draw 'line 22,47 42,47' -draw 'line 22,53 38,53' \
    -stroke none -fill '#3fbf72' -draw 'circle 50,32 50,35'
# Edit: a pencil across an address card.
icon button-edit 32 \
    -fill '#ffffff' -stroke '#4a5568' -strokewidth 3 -draw 'roundrectangle 6,12 50,56 4,4' \
    -stroke '#2f6fb5' -strokewidth 3 -draw 'line 14,24 36,24' -draw 'line 14,34 30,34' \
    -draw 'line 14,44 26,44' \
    -stroke '#3b4656' -strokewidth 2 -fill '#ffb300' -draw 'polygon 56,10 62,16 34,46 26,50 28,40' \
    -fill '#f7c6d9' -draw 'polygon 56,10 62,16 58,20 52,14'
# Close: a white cross on a red disc.
icon button-close 32 \
    -fill '#d8344a' -stroke '#9c1f31' -strokewidth 3 -draw 'circle 32,32 32,4' \
    -stroke '#ffffff' -strokewidth 8 -draw 'line 21,21 43,43' -draw 'line 43,21 21,43'
# Enlarge and shrink: double chevrons pointing out and in.
icon button-enlarge 16 \
    -fill none -stroke '#2f6fb5' -strokewidth 9 -draw 'polyline 10,10 30,32 10,54' \
    -draw 'polyline 32,10 52,32 32,54'
icon button-shrink 16 \
    -fill none -stroke '#2f6fb5' -strokewidth 9 -draw 'polyline 32,10 12,32 32,54' \
    -draw 'polyline 54,10 34,32 54,54'
# Browser: back, forward and stop.
icon browser-back 32 \
    -fill '#2f6fb5' -stroke '#1e4e8e' -strokewidth 3 -draw 'circle 32,32 32,4' \
    -stroke none -fill '#ffffff' -draw 'polygon 14,32 32,14 32,24 48,24 48,40 32,40 32,50'
icon browser-forward 32 \
    -fill '#2f6fb5' -stroke '#1e4e8e' -strokewidth 3 -draw 'circle 32,32 32,4' \
    -stroke none -fill '#ffffff' -draw 'polygon 50,32 32,14 32,24 16,24 16,40 32,40 32,50'
icon browser-stop 32 \
    -fill '#d8344a' -stroke '#9c1f31' -strokewidth 3 \
    -draw 'polygon 22,4 42,4 60,22 60,42 42,60 22,60 4,42 4,22' \
    -stroke none -fill '#ffffff' -draw 'rectangle 14,27 50,37'

# The print preview's hand cursors (32 x 32 monochrome, hot spot 15, 15).
python3 make-cursors.py
