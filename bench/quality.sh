#!/usr/bin/env bash
# Picture quality of Pixmint's dithering side by side with ImageMagick's, on the same grey
# picture: GREY is Pixmint's own area-averaged grey picture at the target size, so that only
# the dithering differs.
#   - Pixmint's Floyd–Steinberg, Atkinson and Bayer (pixmint_dither_pictures);
#   - convert GREY -dither FloydSteinberg -monochrome, and convert GREY -ordered-dither o8x8;
#   - for reference, ImageMagick's Floyd–Steinberg onto black and white only
#     (convert GREY -dither FloydSteinberg -remap BLACK-AND-WHITE).
# Each result and the grey picture are blurred with a Gaussian of sigma 1 pixel; the figure is
# the mean absolute difference of the two, in grey levels (0 to 255): lower is closer to the
# grey picture as the eye averages it.
#
# Usage: bench/quality.sh [PICTURE...]   (default: examples/ and tests/data/corpus/pictures/)
# Environment:
#   PIXMINT_BENCH_BUILD  build directory (default build-bench beside this folder)
#   SIZES                target sizes (default "128x64 320x240")
#   RESULTS              where the table of every picture goes (default: a temporary file)
#   JOBS                 parallel build jobs (default 2)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PIXMINT_BENCH_BUILD:-$root/build-bench}
sizes=${SIZES:-128x64 320x240}
jobs=${JOBS:-2}

source "$root/bench/bench_common.sh"
require_tools quality.sh convert cmake

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
results=${RESULTS:-$tmp/results.tsv}

build_targets pixmint_dither_pictures
pictures_tool=$build/bench/pixmint_dither_pictures

if [ $# -gt 0 ]; then
    pictures=("$@")
else
    mapfile -d '' pictures < <(find "$root/examples" "$root/tests/data/corpus/pictures" \
        -type f \( -iname '*.png' -o -iname '*.jpg' -o -iname '*.jpeg' -o -iname '*.bmp' \
        -o -iname '*.gif' -o -iname '*.ico' -o -iname '*.ppm' \) -print0 | sort -z)
fi

convert -size 1x1 xc:black xc:white +append "$tmp/black-and-white.png"

# The blurred difference of a result and the grey picture, in grey levels.
mae() {
    convert "$1" "$2" -gaussian-blur 0x1 -compose difference -composite -colorspace gray \
        -format '%[fx:mean*255]' info:
}

printf 'picture\tsize\tpixmint-fs\tmagick-fs\tmagick-fs-remap\tpixmint-bayer\tmagick-bayer\tpixmint-atkinson\n' \
    >"$results"
for picture in "${pictures[@]}"; do
    for size in $sizes; do
        d=$tmp/work
        rm -rf "$d" && mkdir -p "$d"
        # A file Pixmint does not decode is no picture of the comparison.
        "$pictures_tool" "$picture" "${size%x*}" "${size#*x}" "$d" >/dev/null 2>&1 || continue
        # Many files of the corpus hold the same picture in another encoding: a grey picture
        # met before has its figures already.
        key=$(md5sum <"$d/grey.pgm" | cut -c1-32)
        if [ ! -f "$tmp/seen-$key" ]; then
            convert "$d/grey.pgm" -dither FloydSteinberg -monochrome "$d/magick-fs.pgm"
            convert "$d/grey.pgm" -ordered-dither o8x8 "$d/magick-bayer.pgm"
            convert "$d/grey.pgm" -dither FloydSteinberg -remap "$tmp/black-and-white.png" \
                "$d/magick-fs-remap.pgm"
            figures=""
            for result in floyd-steinberg magick-fs magick-fs-remap bayer magick-bayer atkinson; do
                figures="$figures	$(mae "$d/$result.pgm" "$d/grey.pgm")"
            done
            printf '%s' "$figures" >"$tmp/seen-$key"
        fi
        printf '%s\t%s%s\n' "${picture#"$root/"}" "$size" "$(cat "$tmp/seen-$key")" >>"$results"
    done
done

# The summary per size, and every picture that misses a goal.
awk -F'\t' -v sizes="$sizes" '
    function ratio(a, b) { return b == 0 ? (a == 0 ? 1 : 1e9) : a / b }
    NR == 1 { next }
    {
        s = $2; n[s]++
        fs[s] += $3; mfs[s] += $4; rem[s] += $5; by[s] += $6; mby[s] += $7; at[s] += $8
        r = ratio($3, $4); if (r > fsWorst[s]) { fsWorst[s] = r; fsWorstName[s] = $1 }
        if ($3 < $4) fsBetter[s]++
        r = ratio($3, $5); if (r > remWorst[s]) { remWorst[s] = r; remWorstName[s] = $1 }
        if ($3 <= $5) remBetter[s]++
        r = ratio($6, $7); if (r > byWorst[s]) { byWorst[s] = r; byWorstName[s] = $1 }
        if (r > 1.05) { byMissed[s]++; misses = misses sprintf("  %s %s: Bayer %.3f against %.3f (%+.1f %%)\n", $1, s, $6, $7, 100 * (r - 1)) }
        if (ratio($3, $4) > 1.0) { fsMissed[s]++; misses = misses sprintf("  %s %s: Floyd-Steinberg %.3f against %.3f\n", $1, s, $3, $4) }
    }
    END {
        split(sizes, order, " ")
        for (i = 1; i in order; i++) {
            s = order[i]
            if (!n[s]) continue
            printf "%s, %d pictures; mean blurred error in grey levels (lower is better)\n", s, n[s]
            printf "  Floyd-Steinberg: Pixmint %.3f, ImageMagick -monochrome %.3f, ImageMagick -remap %.3f\n", fs[s] / n[s], mfs[s] / n[s], rem[s] / n[s]
            printf "  Bayer 8x8:       Pixmint %.3f, ImageMagick o8x8 %.3f\n", by[s] / n[s], mby[s] / n[s]
            printf "  Atkinson:        Pixmint %.3f\n", at[s] / n[s]
            printf "  Floyd-Steinberg better than -monochrome on %d of %d; worst ratio %.3f (%s)   goal < 1: %s\n", fsBetter[s], n[s], fsWorst[s], fsWorstName[s], fsMissed[s] ? "MISSED" : "met"
            printf "  Floyd-Steinberg at least as good as -remap on %d of %d; worst ratio %.3f (%s)\n", remBetter[s], n[s], remWorst[s], remWorstName[s]
            printf "  Bayer worst ratio %.3f (%s); more than 5 %% worse on %d   goal <= 1.05: %s\n", byWorst[s], byWorstName[s], byMissed[s], byMissed[s] ? "MISSED" : "met"
        }
        if (misses != "") printf "\nmissed:\n%s", misses
    }' "$results"
echo
echo "every picture: $results"
