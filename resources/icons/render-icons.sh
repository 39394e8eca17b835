#!/usr/bin/env bash
# Renders the PNG icon sizes from the SVG (needs rsvg-convert from librsvg2-bin). Qt 6.4 base
# reads no SVG, so the program embeds the PNGs; rerun this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/hicolor"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" scalable/apps/org.vorlane.Vorlane.svg \
        -o "${size}x${size}/apps/org.vorlane.Vorlane.png"
done
