#!/bin/sh
# Lays the card faces out on the sky-blue table colour, enlarged without
# smoothing, for a look at the art: contact-sheet.sh <card folder> <output.png>
set -e
cards="$1"
out="$2"
files=""
for code in $(seq 1 52); do files="$files $cards/$code.gif"; done
montage $files -tile 13x -geometry +4+4 -background '#a6caf0' "$out.1x.png"
convert "$out.1x.png" -filter point -resize 300% "$out"
files=""
for code in $(seq 1 52); do files="$files $cards/$code@2x.gif"; done
montage $files -tile 13x -geometry +8+8 -background '#a6caf0' "$out.2x.png"
rm "$out.1x.png"
