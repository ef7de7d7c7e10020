#!/usr/bin/env bash
# Sets up, builds and installs Brontaxe under PREFIX (default ~/.local): the two programs in
# PREFIX/bin, their data and manual in PREFIX/share/brontaxe, the menu entry, the icon, the
# .des, .cf2 and .dxf file types and the manual pages; then refreshes the desktop's caches of
# those and says what the shell needs to find the programs and their manual pages.
#   scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-$HOME/.local}
prefix=$(realpath -m "$prefix")
# Only what building and running take; a build folder of its own, without the tests, when
# no developer's build is there already.
scripts/setup-deps.sh --user
if [ -f build/CMakeCache.txt ]; then
  scripts/build-quietly.sh
else
  scripts/build-quietly.sh -DBRONTAXE_TESTS=OFF
fi
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
echo "Le menu le lance par son chemin complet ; le manuel : « ? » > « Aide » (F1) dans la fenêtre."
echo "Pages de manuel : $prefix/share/man/man1/brontaxe.1.gz et brontaxe-cli.1.gz"
# Said only when the shell would not find them by their names.
case ":$PATH:" in
  *":$prefix/bin:"*) ;;
  *) echo "$prefix/bin n'est pas dans le PATH : ajoutez-le pour taper « brontaxe-cli »" \
       "(export PATH=\"$prefix/bin:\$PATH\")." ;;
esac
if ! MANPATH= manpath 2>/dev/null | tr ':' '\n' | grep -qx "$prefix/share/man"; then
  echo "« man brontaxe » ne les trouve pas : « man -l $prefix/share/man/man1/brontaxe.1.gz »," \
    "ou ajoutez $prefix/share/man à MANPATH."
fi
