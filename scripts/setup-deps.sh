#!/usr/bin/env bash
# Installs the Debian packages that building and testing Brontaxe needs. Safe to run again:
# it does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang ccache clang-format clang-tidy
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev
  libgeos-dev
  libcairo2-dev libdxflib-dev nlohmann-json3-dev libstb-dev fonts-dejavu-core
  python3-ezdxf ghostscript poppler-utils librsvg2-bin inkscape
  python3-lxml python3-numpy python3-cssselect  # Inkscape's DXF export runs on these
  qt6-base-dev qt6-translations-l10n xvfb xauth imagemagick xdotool
  assimp-utils
  help2man man-db desktop-file-utils appstream shared-mime-info dpkg-dev file
  locales
)

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

# A comma-decimal locale, so the tests can prove that numbers never follow the locale.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  as_root sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
  as_root locale-gen >/dev/null
fi
