#!/usr/bin/env bash
# Remakes the pictures of the README's "Fotoğraflar ve ekranlar": the mountain lake photo of
# examples/ converted to 128 × 64 four ways, each table drawn back by pixmint-cli render at
# three screen pixels per display pixel, and the photo itself at the same width.
#
# Usage: docs/make-photo-pictures.sh [BUILD]    (default build; scripts/run.sh makes one)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target pixmint-cli
cli=$build/src/app/pixmint-cli
photo=examples/mountain-lake.jpg
table=$(mktemp --suffix=.h)
trap 'rm -f "$table"' EXIT

convert "$photo" -resize 384x192 -strip docs/photo-source.png
echo "wrote docs/photo-source.png"
while read -r name options; do
    # shellcheck disable=SC2086 # the options are words
    "$cli" picture "$photo" --lang CCS $options --output "$table"
    "$cli" render "$table" --width 128 --scale 3 --output "docs/photo-$name.png"
    echo "wrote docs/photo-$name.png"
done <<'WAYS'
black-wins
average-threshold --scaling average
average-floyd-steinberg --scaling average --method floyd-steinberg
average-bayer --scaling average --method bayer
WAYS
