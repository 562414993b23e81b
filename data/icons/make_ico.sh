#!/usr/bin/env bash
# Renders merrith.svg into merrith.ico, the icon that the Windows program carries, at the sizes
# Windows shows at 100 % to 200 % (title bar, taskbar, Explorer). Run it after changing the SVG
# and commit both; the build itself needs only the resource compiler.
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pngs=()
for size in 16 20 24 32 40 48 64 256; do
  rsvg-convert -w "$size" -h "$size" merrith.svg -o "$work/$size.png"
  pngs+=("$work/$size.png")
done
convert "${pngs[@]}" merrith.ico
identify merrith.ico
