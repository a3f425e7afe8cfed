#!/usr/bin/env bash
# Remakes the pictures of the README from the examples: the four windows (under Xvfb) and
# the logo's table drawn back as pixels. Needs a build; scripts/run.sh makes one in build/.
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
