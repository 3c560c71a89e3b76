#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (needs rsvg-convert, from
# librsvg2-bin), and the raw RGBA pixels of the sizes built into the program
# (needs ImageMagick's convert). The results are committed, so building and
# packaging need neither.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.huecracker.Huecracker.svg -o "org.huecracker.Huecracker-$size.png"
done
for size in 16 32 48; do
    convert "org.huecracker.Huecracker-$size.png" -depth 8 "RGBA:org.huecracker.Huecracker-$size.rgba"
done
