#!/bin/sh
# Writes the tables of generated/ with pixmint-cli from real pictures, in every byte layout at
# several sizes, and prints their rows for cases.tsv. The outputs are committed; run this
# again only to change them. Usage: make_generated.sh PIXMINT-CLI (from any folder).
set -eu
cli=$(realpath "$1")
cd "$(dirname "$0")"
root=../../..
out=generated
rm -f "$out"/*.c

# one NAME PICTURE WIDTH HEIGHT PART OPTIONS...: the table of PICTURE at WIDTH × HEIGHT in
# each layout, as generated/NAME_LAYOUT.c.
one() {
    name=$1 picture=$2 width=$3 height=$4 part=$5
    shift 5
    for layout in pages-lsb-top pages-msb-top rows-msb-left rows-lsb-left; do
        file="$out/${name}_${layout}.c"
        "$cli" picture "$root/$picture" --width "$width" --height "$height" --lang C \
            --layout "$layout" --eol lf "$@" --output "$file" 2>/dev/null
        printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$file" "$name" "$layout" "$width" "$height" "$part"
    done
}

photo="--scaling average --method"
# Tuning: pictures whose tables tune the score.
one logo_128x64 examples/logo-128x64.png 128 64 tune
one logo_61x30 examples/logo-128x64.png 61 30 tune $photo threshold
one drawing_96x64 examples/line-drawing.png 96 64 tune $photo threshold
one drawing_150x100 examples/line-drawing.png 150 100 tune $photo otsu
one photo_128x64_fs examples/photo.jpg 128 64 tune $photo floyd-steinberg
one photo_84x48_bayer examples/photo.jpg 84 48 tune $photo bayer
one photo_45x37 examples/photo.jpg 45 37 tune $photo otsu
one testorig_227x149_atk tests/data/corpus/pictures/libjpeg-turbo/testorig.jpg 227 149 tune $photo atkinson
one testorig_64x40 tests/data/corpus/pictures/libjpeg-turbo/testorig.jpg 64 40 tune $photo otsu
# Held out at first (the first held-out part), tuning since the second part was chosen.
one lake_128x64_fs examples/mountain-lake.jpg 128 64 tune $photo floyd-steinberg
one lake_200x100 examples/mountain-lake.jpg 200 100 tune $photo otsu
one lake_72x40_bayer examples/mountain-lake.jpg 72 40 tune $photo bayer
one bird_192x144 tests/data/corpus/pictures/libjpeg-turbo/shira_bird8.bmp 192 144 tune $photo otsu
one bird_57x43_atk tests/data/corpus/pictures/libjpeg-turbo/shira_bird8.bmp 57 43 tune $photo atkinson
one vgl_119x96 tests/data/corpus/pictures/libjpeg-turbo/vgl_6434_0018a.bmp 119 96 tune $photo otsu
one vgl_128x32_fs tests/data/corpus/pictures/libjpeg-turbo/vgl_6434_0018a.bmp 128 32 tune $photo floyd-steinberg
one portrait_113x150 tests/data/corpus/pictures/image-rs/tests/images/jpg/portrait_2.jpg 113 150 tune $photo otsu
one portrait_48x64_fs tests/data/corpus/pictures/image-rs/tests/images/jpg/portrait_2.jpg 48 64 tune $photo floyd-steinberg
one bell_16x16 examples/icons/bell.png 16 16 tune
one battery_16x16 examples/icons/battery.png 16 16 tune
# Added with the second held-out part: two pictures join the tuning part, three make the
# held-out part (held), chosen before the score was changed again.
cat=tests/data/corpus/pictures/image-rs/tests/images/jpg/progressive/cat.jpg
three=tests/data/corpus/pictures/image-rs/tests/images/jpg/progressive/3.jpg
one vgl2_100x75_bayer tests/data/corpus/pictures/libjpeg-turbo/vgl_6548_0026a.bmp 100 75 tune $photo bayer
one img3_128x64_atk "$three" 128 64 tune $photo atkinson
one cat_96x72_fs "$cat" 96 72 held $photo floyd-steinberg
one img3_150x110_bayer "$three" 150 110 held $photo bayer
one heart_16x16 examples/icons/heart.png 16 16 held
# Added with the third held-out part: Bayer dithers of the tuning pictures at widths that are
# no whole number of bytes join the tuning part; two new pictures make the third held-out
# part (held3), chosen before the score was changed for the second time.
iptc=tests/data/corpus/pictures/image-rs/tests/images/jpg/iptc.jpg
bmp=tests/data/corpus/pictures/bmpsuite/g/rgb24.bmp
one photo_150x110_bayer examples/photo.jpg 150 110 tune $photo bayer
one bird_130x98_bayer tests/data/corpus/pictures/libjpeg-turbo/shira_bird8.bmp 130 98 tune $photo bayer
one lake_102x70_bayer examples/mountain-lake.jpg 102 70 tune $photo bayer
one iptc_90x66_bayer "$iptc" 90 66 held3 $photo bayer
one iptc_75x56_fs "$iptc" 75 56 held3 $photo floyd-steinberg
one rgb24_127x64_otsu "$bmp" 127 64 held3 $photo otsu
one rgb24_100x50_bayer "$bmp" 100 50 held3 $photo bayer
