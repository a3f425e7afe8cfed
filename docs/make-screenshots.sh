#!/usr/bin/env bash
# Remakes docs/*.png, the pictures of the windows in the README, from the examples.
# Needs a build (scripts/run.sh or scripts/test.sh makes one) and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target pixmint-screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/pixmint-screenshots" examples docs
