#!/usr/bin/env bash
# Renders merrith.svg into the bitmaps the desktops want beside it: merrith.ico, the icon that
# the Windows program carries, at the sizes Windows shows at 100 % to 200 % (title bar, taskbar,
# Explorer), and hicolor/<size>x<size>/apps/merrith.png for the Linux menus and software
# centres that draw no SVG. Run it after changing the SVG and commit what it writes; the build
# itself needs neither renderer.
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

rm -rf hicolor
for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x$size/apps"
  rsvg-convert -w "$size" -h "$size" merrith.svg -o "hicolor/${size}x$size/apps/merrith.png"
done
identify hicolor/*/apps/merrith.png
