#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (needs rsvg-convert, from librsvg2-bin).
# The PNGs are committed, so building and packaging need no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.huecracker.Huecracker.svg -o "org.huecracker.Huecracker-$size.png"
done
