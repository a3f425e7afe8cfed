#!/usr/bin/env bash
# The picture road on a 12-megapixel JPEG, from start to end:
#   - pixmint-cli picture against ImageMagick's convert doing a comparable job (sample to
#     128 × 64, threshold), each run several times, medians compared;
#   - the average road (--scaling average --method floyd-steinberg) against the black-wins
#     road of the same pixmint-cli, run in the same turns;
#   - decoding alone against the whole road after decoding (pixmint_road_split_bench);
#   - peak memory of the pixmint-cli run against the size of the decoded picture;
#   - the longest time the main window goes without events during "Resim Yükle" and
#     "Dönüştür", for targets of 128 × 64 and 1024 × 1024 (pixmint_window_gap_bench);
#   - how long the preview of the settings window takes to follow a change of a setting
#     (pixmint_preview_bench).
#
# Usage: bench/road.sh [repetitions]      (default 5)
# Environment:
#   PIXMINT_BENCH_BUILD  build directory (default build-bench beside this folder); it is
#                        configured as a Release build with the benchmarks when it has no cache
#   PIXMINT_CLI          take this pixmint-cli instead of building one
#   PIXMINT_CONVERT      ImageMagick's convert (default: convert from PATH)
#   JOBS                 parallel build jobs (default 2)
set -euo pipefail

reps=${1:-5}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PIXMINT_BENCH_BUILD:-$root/build-bench}
convert=${PIXMINT_CONVERT:-convert}
jobs=${JOBS:-2}

source "$root/bench/bench_common.sh"
require_tools road.sh "$convert" identify /usr/bin/time cmake

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# --- the programs --------------------------------------------------------------------------
targets=(pixmint_road_split_bench pixmint_window_gap_bench pixmint_preview_bench)
[ -n "${PIXMINT_CLI:-}" ] || targets+=(pixmint-cli)
build_targets "${targets[@]}"
cli=${PIXMINT_CLI:-$build/src/app/pixmint-cli}
split_bench=$build/bench/pixmint_road_split_bench
gap_bench=$build/bench/pixmint_window_gap_bench
preview_bench=$build/bench/pixmint_preview_bench

# --- the picture: 4000 × 3000, always the same --------------------------------------------
picture=$tmp/road.jpg
"$convert" -seed 4242 -size 4000x3000 plasma:fractal -quality 90 "$picture"
read -r pw ph < <(identify -format '%w %h\n' "$picture" | head -n 1)
decoded_bytes=$((pw * ph * 4))

pixmint_run=("$cli" picture "$picture" --width 128 --height 64 --lang Asm --output /dev/null)
magick_run=("$convert" "$picture" -sample '128x64!' -threshold 50% xbm:-)
average_run=("${pixmint_run[@]}" --scaling average --method floyd-steinberg)

# Both must work before they are timed.
"${pixmint_run[@]}"
"${magick_run[@]}" >/dev/null
"${average_run[@]}"

# Milliseconds of one run of a command, output discarded.
time_once() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

verdict() {  # verdict VALUE LIMIT
    awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "met" : "MISSED" }'
}

# --- pixmint-cli against ImageMagick, interleaved so that both see the same load ----------
pixmint_times=()
magick_times=()
average_times=()
for ((i = 0; i < reps; i++)); do
    pixmint_times+=("$(time_once "${pixmint_run[@]}")")
    magick_times+=("$(time_once "${magick_run[@]}")")
    average_times+=("$(time_once "${average_run[@]}")")
done
pixmint_ms=$(printf '%s\n' "${pixmint_times[@]}" | median)
magick_ms=$(printf '%s\n' "${magick_times[@]}" | median)
average_ms=$(printf '%s\n' "${average_times[@]}" | median)
average_ratio=$(awk -v a="$average_ms" -v b="$pixmint_ms" 'BEGIN { printf "%.2f", a / b }')
ratio=$(awk -v a="$pixmint_ms" -v b="$magick_ms" 'BEGIN { printf "%.2f", a / b }')

echo "picture ${pw}x${ph} JPEG, $(stat -c %s "$picture") bytes; $reps runs each, medians"
echo
echo "pixmint-cli picture:  ${pixmint_ms} ms   (runs: ${pixmint_times[*]})"
echo "ImageMagick convert:  ${magick_ms} ms   (runs: ${magick_times[*]})"
echo "ratio:                ${ratio}   goal <= 0.60: $(verdict "$ratio" 0.6)"
echo
echo "average road:         ${average_ms} ms   (runs: ${average_times[*]})"
echo "average / black wins: ${average_ratio}   goal <= 1.30: $(verdict "$average_ratio" 1.3)"

# --- decoding against the road after it ----------------------------------------------------
split=$("$split_bench" "$picture" --benchmark_repetitions="$reps" \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)
field() {  # field NAME COLUMN: a column of the median row of a benchmark
    echo "$split" | awk -F, -v n="\"$1/real_time_median\"" -v c="$2" '$1 == n { print $c }'
}
decode_ms=$(field BM_Decode 3)
decode_cpu=$(field BM_Decode 4)
road_ms=$(field BM_RoadAfterDecode 3)
road_cpu=$(field BM_RoadAfterDecode 4)
split_ratio=$(awk -v a="$road_ms" -v b="$decode_ms" 'BEGIN { printf "%.2f", a / b }')
echo
echo "decoding alone:       ${decode_ms} ms   (cpu ${decode_cpu} ms)"
echo "road after decoding:  ${road_ms} ms   (cpu ${road_cpu} ms)"
echo "road / decoding:      ${split_ratio}   goal <= 0.50: $(verdict "$split_ratio" 0.5)"

# --- peak memory ---------------------------------------------------------------------------
peaks=()
for ((i = 0; i < reps; i++)); do
    peaks+=("$(/usr/bin/time -f %M "${pixmint_run[@]}" 2>&1 >/dev/null | tail -n 1)")
done
peak_kb=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -n 1)
peak_bytes=$((peak_kb * 1024))
mem_ratio=$(awk -v a="$peak_bytes" -v b="$decoded_bytes" 'BEGIN { printf "%.2f", a / b }')
echo
echo "peak RSS (largest of $reps): $((peak_bytes / 1048576)) MiB   (${peak_kb} KiB)"
echo "decoded picture:      $((decoded_bytes / 1048576)) MiB   (${pw} x ${ph} x 4 bytes)"
echo "peak / decoded:       ${mem_ratio}   goal <= 3.00: $(verdict "$mem_ratio" 3)"

# --- the main window during "Resim Yükle" and "Dönüştür" ----------------------------------
# "median NAME: T ms, first gap F ms, longest gap G ms (worst round W ms)": G of each command.
longest_gap() {
    echo "$gaps" | awk -v name="$1" 'index($0, "median " name ":") == 1 {
        sub(/.*longest gap /, ""); print $1 + 0 }'
}
for size in 128x64 1024x1024; do
    gaps=$(QT_QPA_PLATFORM=offscreen "$gap_bench" "$picture" --rounds="$reps" \
        --width="${size%x*}" --height="${size#*x}" 2>/dev/null)
    echo
    echo "main window, target $size (one line per round):"
    echo "$gaps"
    for command in "Resim Yükle" "Dönüştür"; do
        gap_ms=$(longest_gap "$command")
        echo "longest gap without events, \"$command\", $size: ${gap_ms} ms   goal <= 50: $(verdict "$gap_ms" 50)"
    done
done

# --- the preview of the settings window --------------------------------------------------------
previews=$(QT_QPA_PLATFORM=offscreen "$preview_bench" "$picture" --rounds="$reps" 2>/dev/null)
preview_ms=$(echo "$previews" | awk '/^all changes:/ { sub(/.*max /, ""); print $1 + 0 }')
echo
echo "$previews"
echo "preview after a change, longest: ${preview_ms} ms   goal <= 50: $(verdict "$preview_ms" 50)"
