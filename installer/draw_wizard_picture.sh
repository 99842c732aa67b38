#!/bin/sh
# Draws the picture at the left of the installer's welcome and finish pages
# (164 x 314, a 24-bit BMP as NSIS wants it) from the program's icon, with
# ImageMagick.
# Usage: draw_wizard_picture.sh ICON FONT OUTPUT.bmp
set -eu
icon=$1 font=$2 output=$3
convert -size 164x314 gradient:'#2f74cf-#0f2f63' \
  \( "$icon[0]" -resize 96x96 \) -geometry +34+56 -composite \
  -font "$font" -pointsize 24 -fill white -gravity north -annotate +0+170 'Vexmoor' \
  -alpha off -type TrueColor "BMP3:$output.partial"
mv "$output.partial" "$output"
