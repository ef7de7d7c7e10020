#!/usr/bin/env bash
# Draws every code of a family (default 02) on the start-up values, writes each as PDF with
# brontaxe-cli, renders the PDFs, folds each blank in the window's "Vue pliée 3D" (under a
# virtual X server) and lays out each blank beside its folded box on one contact sheet:
# docs/contact-<family>.png. With a sheet name and codes after the family
# (contact-sheet.sh 04 04a 0400 0401 ...), draws only those codes, on docs/contact-<name>.png.
# Needs pdftoppm (poppler-utils), montage (imagemagick) and Xvfb.
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
    inside && !/non disponible/ && $1 ~ /^0/ { sub(/^ +/, ""); sub(/  +\(.*$/, ""); print }')
fi
# The folded boxes, as the window shows them at 100 %.
folds=$work/folds
mkdir -p "$folds"
mapfile -t codeList <<< "$codes"
( . scripts/shot-program.sh; run_shot_program pliage "$folds" "${codeList[@]}" ) \
  >/dev/null 2>&1 || echo "contact-sheet: some folds were not shot" >&2
# One code a line: some codes hold a blank ("0914 Int") or a slash ("0201/0711"), which the
# file names leave out; each pair is labelled with its code.
pictures=()
for code in "${codeList[@]}"; do
  file=$work/$(printf '%s' "$code" | tr '/ ' '_-')
  build/bin/brontaxe-cli "$code" -o "$file.pdf" >/dev/null
  pdftoppm -png -singlefile -scale-to 640 "$file.pdf" "$file"
  fold="$folds/pliage-$code-100.png"
  if [ -f "$fold" ]; then
    convert "$file.png" -resize 640x420 -gravity center -background white -extent 640x420 \
      \( "$fold" -resize 560x420 \) +append "$file-pair.png"
  else
    cp "$file.png" "$file-pair.png"
  fi
  pictures+=(-label "$code" "$file-pair.png")
done
mkdir -p docs
montage -pointsize 28 "${pictures[@]}" -tile 3x -geometry 1200x420+12+12 \
  -background white "docs/contact-$sheet.png"
echo "docs/contact-$sheet.png: $(echo "$codes" | wc -l) styles"
