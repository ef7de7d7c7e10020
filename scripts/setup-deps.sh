#!/usr/bin/env bash
# Installs the Debian packages Brontaxe needs. Safe to run again: it does nothing when
# everything is already there.
#   scripts/setup-deps.sh          building, testing and packaging (the developer's set)
#   scripts/setup-deps.sh --user   building and running only (what scripts/install.sh needs)
set -euo pipefail

# What building the two programs, their manual, icons and manual pages takes, and what the
# window opens at run time.
user_packages=(
  cmake ninja-build g++ pkgconf
  libcli11-dev libgeos-dev libcairo2-dev libdxflib-dev nlohmann-json3-dev libstb-dev
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core
  help2man man-db librsvg2-bin desktop-file-utils shared-mime-info locales
)
# And what the tests, the checks and the package need besides.
developer_packages=(
  clang ccache mold clang-format clang-tidy  # mold: the links of the forty test programs
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-ezdxf ghostscript poppler-utils qpdf python3-pypdf inkscape
  python3-lxml python3-numpy python3-cssselect  # Inkscape's DXF export runs on these
  xvfb xauth imagemagick xdotool libglib2.0-bin  # gio launch starts the menu entry
  assimp-utils
  appstream dpkg-dev file lintian
)

packages=("${user_packages[@]}")
case "${1:-}" in
  --user) ;;
  "") packages+=("${developer_packages[@]}") ;;
  *) echo "Utilisation : $0 [--user]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# A comma-decimal locale: the manual pages are made in French, and the tests prove that
# numbers never follow the locale.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  as_root sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  as_root locale-gen >/dev/null
fi
