#!/usr/bin/env bash
# Renders the program's icon (resources/icons/telvo-vocabulary.svg) into the PNG sizes that are
# installed under share/icons/hicolor and compiled in as the window icon. Run after changing the
# SVG; needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" telvo-vocabulary.svg -o "telvo-vocabulary-$size.png"
done
