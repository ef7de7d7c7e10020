#!/usr/bin/env bash
# Sets up, builds and installs Brontaxe under PREFIX (default ~/.local): the two programs in
# PREFIX/bin, their data and manual in PREFIX/share/brontaxe, the menu entry, the icon, the
# .des file type and the manual pages; then refreshes the desktop's caches of those.
#   scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-$HOME/.local}
scripts/setup-deps.sh
scripts/build-quietly.sh
as_owner() {
  if mkdir -p "$prefix" 2>/dev/null && [ -w "$prefix" ]; then "$@"; else sudo "$@"; fi
}
as_owner cmake --install build --prefix "$prefix" >/dev/null
as_owner update-mime-database "$prefix/share/mime"
if command -v update-desktop-database >/dev/null; then
  as_owner update-desktop-database "$prefix/share/applications"
fi
if command -v gtk-update-icon-cache >/dev/null; then
  as_owner gtk-update-icon-cache -q -t -f "$prefix/share/icons/hicolor" || true
fi
echo "Brontaxe est installé : $prefix/bin/brontaxe et $prefix/bin/brontaxe-cli"
