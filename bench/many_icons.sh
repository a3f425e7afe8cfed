#!/usr/bin/env bash
# One hundred 16 × 16 icons into one C include with one call of pixmint-cli picture,
# against one hundred calls of one icon each (a process start-up per icon), run in turns,
# medians compared.
#
# Usage: bench/many_icons.sh [repetitions]      (default 5)
# Environment:
#   PIXMINT_BENCH_BUILD  build directory (default build-bench beside this folder); it is
#                        configured as a Release build with the benchmarks when it has no cache
#   PIXMINT_CLI          take this pixmint-cli instead of building one
#   PIXMINT_CONVERT      ImageMagick's convert (default: convert from PATH)
#   JOBS                 parallel build jobs (default 2)
set -euo pipefail

reps=${1:-5}
count=100
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PIXMINT_BENCH_BUILD:-$root/build-bench}
convert=${PIXMINT_CONVERT:-convert}
jobs=${JOBS:-2}

source "$root/bench/bench_common.sh"
require_tools many_icons.sh "$convert" cmake

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

[ -n "${PIXMINT_CLI:-}" ] || build_targets pixmint-cli
cli=${PIXMINT_CLI:-$build/src/app/pixmint-cli}

# --- the icons: a ring and a square, each at its own place -------------------------------
mkdir "$tmp/icons" "$tmp/out"
draw=()
for ((i = 0; i < count; i++)); do
    x=$((3 + i % 10)) y=$((3 + i / 10))
    draw+=('(' -size 16x16 xc:white +antialias -fill none -stroke black
        -draw "circle $x,$y $x,$((y + 2))" -fill black -stroke none
        -draw "rectangle $((15 - i % 7)),12 15,15" ')')
done
"$convert" "${draw[@]}" +adjoin -strip "$tmp/icons/icon-%03d.png"
icons=("$tmp"/icons/icon-*.png)
[ ${#icons[@]} -eq "$count" ]

options=(--lang C --width 16 --height 16)
one_call() {
    "$cli" picture "${icons[@]}" "${options[@]}" --output "$tmp/out/icons.h"
}
separate_calls() {
    local icon
    for icon in "${icons[@]}"; do
        "$cli" picture "$icon" "${options[@]}" --output "$tmp/out/$(basename "$icon" .png).h"
    done
}

# Both must work before they are timed.
one_call
separate_calls
[ "$(grep -c 'const uint8_t' "$tmp/out/icons.h")" -eq "$count" ]

# Milliseconds of one run of a shell function.
time_once() {
    local start end
    start=$(date +%s%N)
    "$@"
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

one_times=()
separate_times=()
for ((i = 0; i < reps; i++)); do
    one_times+=("$(time_once one_call)")
    separate_times+=("$(time_once separate_calls)")
done
one_ms=$(printf '%s\n' "${one_times[@]}" | median)
separate_ms=$(printf '%s\n' "${separate_times[@]}" | median)
ratio=$(awk -v a="$one_ms" -v b="$separate_ms" 'BEGIN { printf "%.3f", a / b }')
verdict=$(awk -v v="$ratio" 'BEGIN { print (v <= 0.3) ? "met" : "MISSED" }')

echo "$count icons of 16 x 16 (PNG), C; $reps runs each, medians"
echo
echo "one call, one include:        ${one_ms} ms   (runs: ${one_times[*]})"
echo "$count calls, one icon each:    ${separate_ms} ms   (runs: ${separate_times[*]})"
echo "ratio:                        ${ratio}   goal <= 0.30: ${verdict}"
