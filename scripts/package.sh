#!/usr/bin/env bash
# Builds the Debian package from build/ (cpack -G DEB), shows what it declares and holds
# (dpkg-deb -I, -c) and checks it: its dependencies, its files, and the command line and the
# window run from the package unpacked in a scratch root (dpkg -x), where they find their
# tables beside them.
#   scripts/package.sh            the package is left in build/package/
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$PWD/${BUILD_DIR:-build}
scripts/build.sh
rm -rf "$build_dir/package"
(cd "$build_dir" && cpack -G DEB -B "$build_dir/package" >/dev/null)
deb=$(ls "$build_dir"/package/brontaxe_*.deb)
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libgeos-c1v5 libcairo2 \
    libdxflib fonts-dejavu-core; do
  grep -q "$wanted" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done
for f in usr/bin/brontaxe usr/bin/brontaxe-cli usr/share/brontaxe/data/csqual2.kor \
    usr/share/brontaxe/data/fefcomajo1.kor usr/share/brontaxe/doc/brontaxe.pdf \
    usr/share/man/man1/brontaxe.1 usr/share/man/man1/brontaxe-cli.1 \
    usr/share/mime/packages/brontaxe.xml usr/share/icons/hicolor/scalable/apps/brontaxe.svg \
    usr/share/icons/hicolor/48x48/apps/brontaxe.png; do
  grep -qx "\./$f" <<<"$contents" || fail "$f is not in the package"
done
grep -q '^\./usr/share/applications/.*\.desktop$' <<<"$contents" || fail "no desktop entry"
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' <<<"$contents" || fail "no AppStream file"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch"
out=$(BRONTAXE_CONFIG_DIR=$scratch/config BRONTAXE_DRIVE_C=$scratch/c BRONTAXE_DATA_DIR= \
  "$scratch/usr/bin/brontaxe-cli" 0201) || fail "brontaxe-cli from the package exited $?"
grep -q 'Dim\. Hors Tout : 1447\.00 x 509\.00 mm' <<<"$out" || fail "0201 figures: $out"
# and the window, on the offscreen platform, until it has painted its drawing.
BRONTAXE_CONFIG_DIR=$scratch/config BRONTAXE_DRIVE_C=$scratch/c BRONTAXE_DATA_DIR= \
  QT_QPA_PLATFORM=offscreen scripts/window-paints.sh "$scratch/usr/bin/brontaxe" "$scratch" ||
  fail "the window from the package"
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): dependencies, files, and the unpacked command line and window checked"
