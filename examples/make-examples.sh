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

# The intermediate pictures of the two below go to a folder of their own.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A grey-shaded still life, 512 × 256: a sphere lit from the upper left, a cube, a cone, on
# a table before a wall; along the bottom a ramp from black to white and a step wedge.
convert -size 160x160 xc:gray -fx \
    'dx=(i-79.5)/78; dy=(j-79.5)/78; nz=sqrt(max(0,1-dx*dx-dy*dy)); 0.08+0.9*max(0,-0.5*dx-0.6*dy+0.62*nz)' \
    \( -size 160x160 xc:black -fill white -draw "circle 79.5,79.5 79.5,1.5" \) \
    -alpha off -compose CopyOpacity -composite "$work/sphere.png"
convert -size 90x130 xc:gray -fx \
    'side=(i-44.5)/45*130/(j+1); 0.1+0.85*max(0,min(1,0.7-0.55*side))' \
    \( -size 90x130 xc:black -fill white -draw "polygon 45,0 0,129 89,129" \) \
    -alpha off -compose CopyOpacity -composite "$work/cone.png"
convert -size 512x180 gradient:'#e4e4e4'-'#b0b0b0' \
    \( -size 512x76 gradient:'#8a8a8a'-'#505050' \) -append \
    -fill 'rgba(0,0,0,0.35)' -draw "ellipse 130,182 72,12 0,360" \
    -draw "ellipse 335,188 62,9 0,360" -draw "ellipse 450,186 48,8 0,360" \
    "$work/sphere.png" -geometry +50+22 -composite \
    -fill '#f2f2f2' -draw "polygon 270,86 330,60 390,86 330,112" \
    -fill '#b8b8b8' -draw "polygon 270,86 330,112 330,186 270,160" \
    -fill '#5c5c5c' -draw "polygon 330,112 390,86 390,160 330,186" \
    "$work/cone.png" -geometry +405+54 -composite \
    \( -size 14x512 gradient:black-white -rotate -90 \) -geometry +0+214 -composite \
    \( -size 64x14 xc:'#000000' xc:'#242424' xc:'#494949' xc:'#6d6d6d' xc:'#929292' \
       xc:'#b6b6b6' xc:'#dbdbdb' xc:'#ffffff' +append \) -geometry +0+236 -composite \
    -alpha off -strip grey-shades.png

# A photo of a mountain lake, 1600 × 800: a sky with the sun, far ridges, a snow-capped
# mountain, its reflection in the water, pines on both shores; grain and a little blur as a
# camera gives them.
convert -size 1600x500 gradient:'#6a90c4'-'#f7e6c4' \
    \( -size 600x600 radial-gradient:'rgba(255,250,225,0.9)'-'rgba(255,250,225,0)' \) \
    -geometry +980-130 -composite \
    -fill '#fffdf2' -draw "circle 1280,160 1280,100" \
    -fill '#8a96ad' -draw "polygon 0,330 140,260 260,300 420,210 560,290 1000,280 1120,220 1260,270 1400,230 1600,300 1600,500 0,500" \
    -fill '#3b4659' -draw "polygon 0,500 0,430 180,330 330,380 560,120 700,250 780,220 980,400 1120,330 1300,420 1450,380 1600,440 1600,500" \
    -fill '#f4f6fa' -draw "polygon 560,120 490,200 525,192 550,225 575,195 615,215 640,185" \
    -draw "polygon 780,220 750,250 772,246 790,262 806,245" \
    "$work/upper.png"
convert "$work/upper.png" -flip -crop 1600x300+0+0 +repage -modulate 100,80 \
    -fill '#2a4868' -colorize 10% -motion-blur 0x10+0 \
    -fill 'rgba(255,255,255,0.35)' -draw "line 620,30 980,30" -draw "line 400,80 700,80" \
    -draw "line 900,130 1300,130" -draw "line 250,190 520,190" \
    "$work/lake.png"
convert -size 1600x800 xc:black "$work/upper.png" -geometry +0+0 -composite \
    "$work/lake.png" -geometry +0+500 -composite \
    -fill '#1c2818' -draw "polygon 0,610 160,580 330,600 470,660 560,800 0,800" \
    -fill '#24301f' -draw "polygon 1150,800 1260,700 1420,670 1600,650 1600,800" \
    -fill '#0c130b' \
    -draw "polygon 60,640 120,300 180,640" -draw "polygon 50,560 120,250 190,560" -draw "polygon 75,440 120,200 165,440" \
    -draw "polygon 200,650 260,380 320,650" -draw "polygon 190,580 260,330 330,580" -draw "polygon 215,480 260,290 305,480" \
    -draw "polygon 360,680 400,500 440,680" -draw "polygon 355,620 400,460 445,620" \
    -draw "polygon 1380,690 1440,420 1500,690" -draw "polygon 1370,610 1440,370 1510,610" -draw "polygon 1395,500 1440,330 1485,500" \
    -draw "polygon 1500,680 1545,500 1590,680" -draw "polygon 1495,620 1545,460 1595,620" \
    -fill '#3a2e22' -draw "rectangle 112,640 128,680" -draw "rectangle 252,650 268,690" \
    -draw "rectangle 1432,690 1448,720" \
    -seed 1974 -attenuate 0.6 +noise Gaussian -blur 0x1.2 -quality 85 -strip mountain-lake.jpg
