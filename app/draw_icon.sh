#!/bin/sh
# Draws vexmoor.ico, the program's icon: a white play sign on a blue tile,
# in the sizes Windows asks for (16 to 256 pixels), with ImageMagick.
# Usage: draw_icon.sh OUTPUT.ico
set -eu
output=$1
convert -size 256x256 xc:none \
  \( -size 256x256 gradient:'#3d86e0-#123a78' \) \
  \( -size 256x256 xc:black -fill white -draw 'roundrectangle 8,8 247,247 44,44' \) \
  -compose over -delete 0 -alpha off -compose copy_opacity -composite \
  -fill none -stroke '#9cc4f5' -strokewidth 6 -draw 'roundrectangle 11,11 244,244 41,41' \
  -stroke none -fill white -draw 'polygon 96,64 200,128 96,192' \
  -depth 8 -define icon:auto-resize=256,48,32,24,16 "$output.partial.ico"
mv "$output.partial.ico" "$output"
