#!/usr/bin/env bash
# Renders the application icon's PNG sizes from babyname.svg (needs rsvg-convert, Debian
# librsvg2-bin). The PNGs are kept in the repository, so a build needs no renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" babyname.svg -o "babyname-$size.png"
done
