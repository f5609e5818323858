#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG (Debian's librsvg2-bin). Run
# by hand after changing the SVG; the PNGs are kept in the repository so that
# building and installing need no renderer.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for size in 48 128; do
  rsvg-convert -w "$size" -h "$size" "$here/io.github.tarvolin.Tarvolin.svg" -o "$here/icons/$size.png"
done
