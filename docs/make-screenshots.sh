#!/usr/bin/env bash
# Remakes the pictures of the README from the examples: the windows (under Xvfb), the
# logo's table drawn back as pixels, a table of the corpus found by smart reading and the
# Turkish sample of a font. Needs a build; scripts/run.sh makes one in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target pixmint-screenshots pixmint-cli
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/pixmint-screenshots" examples docs
table=$(mktemp --suffix=.h)
trap 'rm -f "$table"' EXIT
"$build/src/app/pixmint-cli" picture examples/logo-128x64.png --lang CCS --output "$table"
"$build/src/app/pixmint-cli" render "$table" --width 128 --scale 3 --output docs/logo-drawn-back.png
echo "wrote docs/logo-drawn-back.png"
# A table written by someone else, found by smart reading and drawn back.
ks0108=tests/data/corpus/includes/c_lowerhex__ali-bingol_Ks0108-GLCD-128x64__fontAndImageData.h
"$build/src/app/pixmint-cli" render "$ks0108" --smart --table sultanAhmetCamii --width 128 \
    --scale 3 --output docs/smart-drawn-back.png
echo "wrote docs/smart-drawn-back.png"
# The Turkish sample as a GFX font of the test font draws it (the table's numbers, not the
# font), and the same four times as large, every pixel a 4 × 4 square, for the page.
"$build/src/app/pixmint-cli" font tests/data/fonts/DejaVuSansMono.ttf --size 16 --charset cp1254 \
    --format gfx --lang Arduino --sample "Merhaba Dünya 123 ĞÜŞİÖÇ ğüşıöç" \
    --save-png docs/font-sample.png --output "$table"
convert docs/font-sample.png -scale 400% docs/font-sample-4x.png
echo "wrote docs/font-sample.png, docs/font-sample-4x.png"
# One table of another project in the four layouts, the layout finder's choice framed.
docs/make-layout-pictures.sh "$build"
