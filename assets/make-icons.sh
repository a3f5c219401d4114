#!/bin/sh
# Draws the program's icon with ImageMagick: a key cap with a "T" and a green
# light. The PNGs are committed; run this only to change them.
set -e
cd "$(dirname "$0")"
mkdir -p icons
convert -size 256x256 xc:none \
    -fill '#1f3b63' -draw 'roundrectangle 16,16 240,240 40,40' \
    -fill '#f4f6fa' -draw 'roundrectangle 44,40 212,196 24,24' \
    -fill '#1f3b63' -draw 'rectangle 84,64 172,88' -draw 'rectangle 116,64 140,172' \
    -fill '#19c23a' -draw 'circle 200,212 200,196' \
    icons/tapmeter-256.png
for size in 128 64 48 32 16; do
    convert icons/tapmeter-256.png -resize ${size}x${size} icons/tapmeter-$size.png
done
