#!/usr/bin/env bash
# Remakes docs/layouts-splash.png: one real table (the splash of Adafruit's SSD1306 library)
# drawn by pixmint-cli render in each of the four layouts at the width the layout finder
# chooses, the finder's choice framed. Needs a build of pixmint-cli (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli="$build/src/app/pixmint-cli"
table=tests/data/finder/adafruit_Adafruit_SSD1306/splash.h
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
read -r best width height skip score < <("$cli" guess "$table" --smart --table splash1_data | head -1)
pictures=()
for layout in pages-lsb-top pages-msb-top rows-msb-left rows-lsb-left; do
    "$cli" render "$table" --smart --table splash1_data --skip "$skip" --width "$width" \
        --layout "$layout" --scale 2 --output "$work/$layout.png"
    if [ "$layout" = "$best" ]; then
        convert "$work/$layout.png" -bordercolor '#2a7a2a' -border 4 "$work/$layout.png"
        label="$layout\nDüzeni bul: $width × $height"
    else
        convert "$work/$layout.png" -bordercolor white -border 4 "$work/$layout.png"
        label="$layout\n "
    fi
    pictures+=(-label "$label" "$work/$layout.png")
done
montage "${pictures[@]}" -tile 2x2 -geometry +12+8 -font tests/data/fonts/DejaVuSansMono.ttf \
    -pointsize 14 -background white \
    docs/layouts-splash.png
echo "wrote docs/layouts-splash.png"
