#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG source. Needs rsvg-convert (Debian: librsvg2-bin);
# the PNGs are committed, so building never needs it.
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" packaging/icons/varnoq.svg -o "packaging/icons/varnoq-$size.png"
done
cp packaging/icons/varnoq-64.png ui/resources/icon-64.png
bash scripts/render-ico.sh
