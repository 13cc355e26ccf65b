#!/usr/bin/env bash
# Packs the icon's PNG sizes into the Windows .ico that the program file carries. Needs ImageMagick
# (Debian: imagemagick; /usr/bin/convert, since another convert may come first on PATH); the .ico
# is committed, so building never needs it. Run after scripts/render-icons.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
icons=packaging/icons
/usr/bin/convert "$icons"/varnoq-{16,32,48,64,128,256}.png "$icons/varnoq.ico"
