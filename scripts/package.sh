#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) in a build folder of its own, with Debian's
# hardening and without the tests, shows what it declares and holds (dpkg-deb -I, -c) and
# checks it: its control fields, its files, lintian (no error, no warning), the command line
# and the window run from the package unpacked in a scratch root (dpkg -x), where they find
# their tables beside them, and its menu entry launched as a desktop does, with and without a
# file.
#   scripts/package.sh            the package is left in build-package/package/
#   PACKAGE_BUILD_DIR=build scripts/package.sh
#                                 from a build folder that exists, keeping its tests: CI
#                                 packages the build it has tested (hardened from the start,
#                                 so nothing is compiled again)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$PWD/${PACKAGE_BUILD_DIR:-build-package}
configure=(-DBRONTAXE_HARDEN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
[ -n "${PACKAGE_BUILD_DIR:-}" ] || configure+=(-DBRONTAXE_TESTS=OFF)
BUILD_DIR=$build_dir scripts/build.sh "${configure[@]}"
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
version=$(dpkg-deb -f "$deb" Version)
[ -n "$(dpkg-deb -f "$deb" Homepage)" ] || fail "no Homepage"
for f in usr/bin/brontaxe usr/bin/brontaxe-cli usr/share/brontaxe/data/csqual2.kor \
    usr/share/brontaxe/data/fefcomajo1.kor usr/share/help/fr/brontaxe/manuel.md \
    usr/share/help/fr/brontaxe/window.png usr/share/doc/brontaxe/brontaxe.pdf \
    usr/share/doc/brontaxe/changelog.gz usr/share/doc/brontaxe/copyright \
    usr/share/man/man1/brontaxe.1.gz usr/share/man/man1/brontaxe-cli.1.gz \
    usr/share/mime/packages/brontaxe.xml usr/share/icons/hicolor/scalable/apps/brontaxe.svg \
    usr/share/icons/hicolor/48x48/apps/brontaxe.png; do
  grep -qx "\./$f" <<<"$contents" || fail "$f is not in the package"
done
grep -q '^\./usr/share/applications/.*\.desktop$' <<<"$contents" || fail "no desktop entry"
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' <<<"$contents" || fail "no AppStream file"

# Debian's own judge of a package: any error or warning fails (information tags are shown).
lintian --info --display-info "$deb" | tee "$build_dir/package/lintian.log" || true
grep -E '^[EW]: ' "$build_dir/package/lintian.log" >/dev/null && fail "lintian: errors or warnings"
# The hardening the build asks for (BRONTAXE_HARDEN), which lintian only mentions as information.
grep -E '^I: .* hardening-no-' "$build_dir/package/lintian.log" && fail "lintian: the programs are not hardened"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch"
# One version: the package's, its changelog's first entry, and what each program says.
zcat "$scratch/usr/share/doc/brontaxe/changelog.gz" | head -n1 | grep -q "^brontaxe ($version) " ||
  fail "the changelog does not begin with $version"
for program in brontaxe brontaxe-cli; do
  [ "$("$scratch/usr/bin/$program" --version)" = "$program $version" ] ||
    fail "$program --version is not $version"
done
export BRONTAXE_CONFIG_DIR=$scratch/config BRONTAXE_DRIVE_C=$scratch/c \
  BRONTAXE_STATE_DIR=$scratch/state BRONTAXE_DATA_DIR=
out=$("$scratch/usr/bin/brontaxe-cli" 0201) || fail "brontaxe-cli from the package exited $?"
grep -q 'Dim\. Hors Tout.*: 1447 x 509[^0-9,]*mm' <<<"$out" || fail "0201 figures: $out"
# the window, on the offscreen platform, until it has painted its drawing;
QT_QPA_PLATFORM=offscreen scripts/window-paints.sh "$scratch/usr/bin/brontaxe" "$scratch" ||
  fail "the window from the package"
# and the menu entry, as a desktop runs it (the name alone, found on the PATH), with nothing,
# with a drawing and with a die-line.
entry=$(ls "$scratch"/usr/share/applications/*.desktop)
"$scratch/usr/bin/brontaxe-cli" 0427 -o "$scratch/boite.des" >/dev/null
"$scratch/usr/bin/brontaxe-cli" 0201 -o "$scratch/client.cf2" >/dev/null
for file in "" boite.des client.cf2; do
  title=$(PATH=$scratch/usr/bin:$PATH scripts/launch-entry.sh "$entry" ${file:+"$scratch/$file"}) ||
    fail "the menu entry ${file:-without a file}: $title"
  # A die-line opened becomes a design to save under its name, as a .des.
  [[ $title == Brontaxe*${file%.*}* ]] ||
    fail "the menu entry on ${file:-nothing} opened \"$title\""
done
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): dependencies, files, lintian, the unpacked programs and menu entry checked"
