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

# A photo of a mountain lake at dusk, 1600 × 1000: sky, moon, snow-capped mountains, hills,
# their reflection in the water, pines on both shores; grain and a little blur as a camera
# gives them.
convert -size 1600x620 gradient:'#2b5a92'-'#f3d6a4' \
    \( -size 700x700 radial-gradient:'rgba(255,240,200,0.75)'-'rgba(255,240,200,0)' \) \
    -geometry +830-150 -composite \
    -fill '#fff8e2' -draw "circle 1180,200 1180,150" \
    -fill '#6f7f9a' -draw "polygon 0,470 180,330 330,420 520,250 700,400 850,300 1010,430 1200,330 1400,440 1600,360 1600,620 0,620" \
    -fill '#eef2f7' -draw "polygon 520,250 470,300 500,295 520,320 545,290 580,300" \
    -draw "polygon 850,300 815,335 840,330 855,350 875,330 895,340" \
    -draw "polygon 180,330 150,360 175,355 190,372 205,352" \
    -draw "polygon 1200,330 1170,355 1190,352 1203,368 1220,350" \
    -fill '#3d4a3f' -draw "polygon 0,560 250,430 420,520 600,460 800,560 1000,500 1250,590 1450,520 1600,570 1600,620 0,620" \
    "$work/upper.png"
convert "$work/upper.png" -flip -crop 1600x380+0+0 +repage -modulate 70,80 \
    -fill '#16304a' -colorize 30% -motion-blur 0x12+0 \
    -fill 'rgba(255,255,255,0.25)' -draw "line 700,40 1000,40" -draw "line 500,90 760,90" \
    -draw "line 900,150 1250,150" -draw "line 300,210 520,210" \
    "$work/lake.png"
convert -size 1600x1000 xc:black "$work/upper.png" -geometry +0+0 -composite \
    "$work/lake.png" -geometry +0+620 -composite \
    -fill '#1f2a1a' -draw "polygon 0,780 200,740 420,760 600,830 690,1000 0,1000" \
    -fill '#28331f' -draw "polygon 1000,1000 1150,860 1350,830 1600,800 1600,1000" \
    -fill '#0f170e' \
    -draw "polygon 80,760 120,560 160,760" -draw "polygon 70,700 120,520 170,700" \
    -draw "polygon 90,620 120,470 150,620" -draw "polygon 190,760 235,600 280,760" \
    -draw "polygon 185,700 235,560 285,700" -draw "polygon 205,640 235,520 265,640" \
    -draw "polygon 300,790 340,650 380,790" -draw "polygon 300,740 340,610 380,740" \
    -draw "polygon 1380,830 1420,650 1460,830" -draw "polygon 1370,770 1420,600 1470,770" \
    -draw "polygon 1390,700 1420,560 1450,700" -draw "polygon 1480,815 1515,690 1550,815" \
    -draw "polygon 1475,760 1515,650 1555,760" \
    -fill '#5a4a38' -draw "rectangle 116,760 124,790" -draw "rectangle 231,760 239,790" \
    -seed 1974 -attenuate 0.6 +noise Gaussian -blur 0x1.2 -quality 85 -strip mountain-lake.jpg
