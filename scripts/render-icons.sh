#!/usr/bin/env bash
# Draws the program's icon at the sizes of the icon theme from its one picture (needs rsvg-convert,
# Debian's librsvg2-bin). The PNGs are kept in the tree, so a build needs no converter.
set -euo pipefail
icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../zelmview/res/icons" && pwd)"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$icons/zelmview.svg" -o "$icons/zelmview-$size.png"
done
