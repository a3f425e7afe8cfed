#!/bin/sh
# Makes the example pictures with ImageMagick. The outputs are committed; run this again
# only to change them. Usage: examples/make-examples.sh (from any folder).
set -eu
cd "$(dirname "$0")"

# A 128 × 64 logo in pure black and white, the size of a common graphic LCD.
convert -size 128x64 xc:white -fill black \
    -draw "rectangle 0,0 127,63" -fill white -draw "rectangle 2,2 125,61" -fill black \
    -draw "circle 20,32 20,16" -fill white -draw "circle 20,32 20,24" -fill black \
    -font DejaVu-Sans-Bold -pointsize 18 +antialias -draw "text 40,39 'PIXMINT'" \
    -draw "line 40,46 120,46" \
    -type bilevel -define png:bit-depth=1 -strip logo-128x64.png

# A line drawing: a house under a sun, black lines on white.
convert -size 300x200 xc:white -fill none -stroke black -strokewidth 2 \
    -draw "polyline 60,180 60,100 130,50 200,100 200,180 60,180" \
    -draw "rectangle 110,130 150,180" -draw "rectangle 75,110 100,135" \
    -draw "rectangle 165,110 190,135" -draw "circle 255,45 255,70" \
    -draw "line 255,5 255,15" -draw "line 215,45 225,45" -draw "line 285,45 295,45" \
    -draw "line 10,180 290,180" -draw "bezier 10,150 40,120 60,160 90,130" \
    -depth 8 -strip line-drawing.png

# A photo-like picture: fractal clouds with a few shapes, made from a fixed seed.
convert -seed 1906 -size 1600x1200 plasma:fractal -blur 0x2 \
    -fill "rgba(20,20,40,0.8)" -draw "circle 500,600 500,350" \
    -fill "rgba(240,230,200,0.7)" -draw "rectangle 950,300 1400,900" \
    -strip -quality 80 photo.jpg

# Three 16 × 16 icons, one include file for all of them (see Makefile).
mkdir -p icons
convert -size 16x16 xc:white +antialias -fill none -stroke black -draw "rectangle 1,4 13,11" \
    -stroke none -fill black -draw "rectangle 14,6 15,9" -draw "rectangle 3,6 4,9" \
    -draw "rectangle 6,6 7,9" -draw "rectangle 9,6 10,9" \
    -type bilevel -define png:bit-depth=1 -strip icons/battery.png
convert -size 16x16 xc:white +antialias -fill black -draw "rectangle 6,1 9,2" \
    -draw "ellipse 7.5,8 5,6 180,360" -draw "rectangle 2,8 13,11" -draw "rectangle 1,11 14,12" \
    -draw "circle 7.5,14 7.5,13" -type bilevel -define png:bit-depth=1 -strip icons/bell.png
convert -size 16x16 xc:white +antialias -fill black -draw "circle 4.5,5 4.5,2" \
    -draw "circle 10.5,5 10.5,2" -draw "polygon 1,6 14,6 7.5,13.5" \
    -type bilevel -define png:bit-depth=1 -strip icons/heart.png

# A ball bouncing over a floor, four frames of 32 × 16. The frames are stored as the
# patches that change, so that a reader must compose them.
for i in 0 1 2 3; do
    x=$((5 + 7 * i))
    case $i in 0 | 3) y=10 ;; *) y=5 ;; esac
    convert -size 32x16 xc:white +antialias -fill black -draw "line 0,15 31,15" \
        -draw "circle $x,$y $x,$((y - 4))" ball-$i.tmp.png
done
convert -delay 15 -loop 0 ball-0.tmp.png ball-1.tmp.png ball-2.tmp.png ball-3.tmp.png \
    -layers Optimize bouncing-ball.gif
rm ball-?.tmp.png
