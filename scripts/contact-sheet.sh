#!/usr/bin/env bash
# Draws every code of a family (default 02) on the start-up values, writes each as PDF with
# brontaxe-cli, renders the PDFs and lays them out on one contact sheet:
# docs/contact-<family>.png. With a sheet name and codes after the family
# (contact-sheet.sh 04 04a 0400 0401 ...), draws only those codes, on docs/contact-<name>.png.
# Needs pdftoppm (poppler-utils) and montage (imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
family=${1:-02}
sheet=${2:-$family}
# CONTACT_NO_BUILD=1 uses build/bin/brontaxe-cli as it is.
[ -n "${CONTACT_NO_BUILD:-}" ] || scripts/build.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The codes given, or the family's codes that draw, from the catalogue listing.
if [ $# -gt 2 ]; then
  codes=$(printf '%s\n' "${@:3}")
else
  codes=$(build/bin/brontaxe-cli --list | awk -v fam="$family" '
    /^[^ ]/ { inside = ($1 == fam) ; next }
    inside && !/non disponible/ && $1 ~ /^0/ { sub(/^ +/, ""); print }')
fi
# One code a line: some codes hold a blank ("0914 Int") or a slash ("0201/0711"), which the
# file names leave out; each picture is labelled with its code.
pictures=()
while IFS= read -r code; do
  file=$work/$(printf '%s' "$code" | tr '/ ' '_-')
  build/bin/brontaxe-cli "$code" -o "$file.pdf" >/dev/null
  pdftoppm -png -singlefile -scale-to 640 "$file.pdf" "$file"
  pictures+=(-label "$code" "$file.png")
done <<< "$codes"
mkdir -p docs
montage -pointsize 28 "${pictures[@]}" -tile 5x -geometry 640x420+12+12 \
  -background white "docs/contact-$sheet.png"
echo "docs/contact-$sheet.png: $(echo "$codes" | wc -l) styles"
