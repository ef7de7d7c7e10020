#!/usr/bin/env bash
# Draws every code of a family (default 02) on the start-up values, writes each as PDF with
# brontaxe-cli, renders the PDFs and lays them out on one contact sheet:
# docs/contact-<family>.png. Needs pdftoppm (poppler-utils) and montage (imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
family=${1:-02}
scripts/build.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The family's codes that draw, from the catalogue listing.
codes=$(build/bin/brontaxe-cli --list | awk -v fam="$family" '
  /^[^ ]/ { inside = ($1 == fam) ; next }
  inside && !/non disponible/ && $1 ~ /^0/ { print $1 }')
for code in $codes; do
  build/bin/brontaxe-cli "$code" -o "$work/$code.pdf" >/dev/null
  pdftoppm -png -singlefile -scale-to 640 "$work/$code.pdf" "$work/$code"
done
mkdir -p docs
montage -label '%t' -pointsize 28 "$work"/*.png -tile 5x -geometry 640x420+12+12 \
  -background white "docs/contact-$family.png"
echo "docs/contact-$family.png: $(echo "$codes" | wc -w) styles"
