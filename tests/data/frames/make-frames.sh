#!/bin/sh
# Makes three-frames.gif and the three pictures its frames must compose to, and
# three-pages.tif holding those pictures as pages, with ImageMagick. The outputs are
# committed; run this again only to change them.
# Frame 0 covers the whole screen; frames 1 and 2 are small patches at offsets with
# transparent corners: frame 1 is disposed "Previous", so frame 2 shows the first
# picture with the second patch only. frame-N.png is ImageMagick's composition of frame N
# (-coalesce), laid on white.
set -eu
cd "$(dirname "$0")"
convert -size 32x16 xc:white +antialias -fill black -draw "rectangle 1,1 8,14" base.tmp.png
convert -size 10x10 xc:none +antialias -fill black -draw "circle 4.5,4.5 4.5,0.5" ball.tmp.png
convert -delay 10 -loop 0 -dispose None base.tmp.png \
    -dispose Previous -page +12+3 ball.tmp.png \
    -dispose None -page +21+5 ball.tmp.png three-frames.gif
convert three-frames.gif -coalesce -background white -alpha remove -strip \
    -define png:color-type=2 frame-%d.png
convert frame-0.png frame-1.png frame-2.png -compress zip three-pages.tif
rm base.tmp.png ball.tmp.png
