#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs what was installed, as a user would:
# the command line on a 0201 and the window on the offscreen platform, from their installed
# folder (any prefix will do: they find their files beside them); then validates the desktop
# entry, the AppStream file, the MIME type and the manual pages.
#   installed_programs_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/opt/brontaxe
cmake --install "$build" --prefix "$prefix" >/dev/null
export BRONTAXE_CONFIG_DIR=$root/config BRONTAXE_DRIVE_C=$root/c BRONTAXE_STATE_DIR=$root/state
export QT_QPA_PLATFORM=offscreen
unset BRONTAXE_DATA_DIR
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# What a user finds installed.
share=$prefix/share
for f in bin/brontaxe bin/brontaxe-cli share/brontaxe/data/csqual2.kor \
    share/brontaxe/data/fefcomajo1.kor share/brontaxe/data/catparam.cd \
    share/brontaxe/data/fiche_technique.des share/doc/brontaxe/brontaxe.pdf \
    share/doc/brontaxe/changelog.gz share/doc/brontaxe/copyright \
    share/help/fr/brontaxe/manuel.md share/help/fr/brontaxe/window.png \
    share/man/man1/brontaxe.1.gz share/man/man1/brontaxe-cli.1.gz \
    share/mime/packages/brontaxe.xml \
    share/icons/hicolor/scalable/apps/brontaxe.svg; do
  [ -s "$prefix/$f" ] || fail "$f not installed"
done
for size in 16 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/brontaxe.png
  [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
    fail "no ${size}x${size} icon"
done

# The installed command line draws a 0201 on the tables installed beside it.
out=$("$prefix/bin/brontaxe-cli" 0201 --longueur 400) || fail "brontaxe-cli 0201 exited $?"
grep -q 'Dim\. Hors Tout.*: 1447 x 509.*mm' <<<"$out" || fail "0201 figures: $out"
grep -q 'Coupant' <<<"$out" || fail "no line totals: $out"
mv "$share/brontaxe/data/csqual2.kor" "$root/csqual2.kor"
status=0
"$prefix/bin/brontaxe-cli" 0201 >/dev/null 2>"$root/err" || status=$?
grep -qF "$share/brontaxe/data/csqual2.kor introuvable" "$root/err" ||
  fail "the installed tables were not the ones read ($status): $(cat "$root/err")"
mv "$root/csqual2.kor" "$share/brontaxe/data/csqual2.kor"
for program in brontaxe brontaxe-cli; do
  version=$("$prefix/bin/$program" --version) || fail "$program --version exited $?"
  [[ $version =~ ^$program\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "$program --version: $version"
done

# The installed window opens and paints its drawing.
"$(dirname "$0")/../../scripts/window-paints.sh" "$prefix/bin/brontaxe" "$root" ||
  fail "the installed window"

# Desktop entry, AppStream file, MIME type and manual pages as their own tools read them.
desktop=$(ls "$share"/applications/*.desktop)
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
# By its full path: a desktop without the login shell's PATH still finds the program.
grep -qx "Exec=$prefix/bin/brontaxe --ouvrir %f" "$desktop" || fail "Exec: $(grep Exec "$desktop")"
grep -qx "TryExec=$prefix/bin/brontaxe" "$desktop" || fail "TryExec: $(grep TryExec "$desktop")"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >"$root/appstream.log" ||
  fail "appstreamcli validate: $(cat "$root/appstream.log")"
# Its release is this version, and its screenshots are pictures docs/ still holds.
metainfo=$(cat "$share"/metainfo/*.metainfo.xml)
grep -qF "<release version=\"$("$prefix/bin/brontaxe-cli" --version | cut -d' ' -f2)\"" <<<"$metainfo" ||
  fail "the AppStream file's release is not this version"
shots=$(grep -o '<image>[^<]*/docs/[^<]*</image>' <<<"$metainfo" | sed 's|.*/docs/||; s|</image>||')
[ -n "$shots" ] || fail "the AppStream file shows no picture of docs/"
for shot in $shots; do
  [ -s "$(dirname "$0")/../../docs/$shot" ] || fail "the AppStream file shows docs/$shot, which is gone"
done
update-mime-database "$share/mime" >"$root/mime.log" 2>&1 || fail "update-mime-database: $(cat "$root/mime.log")"
grep -q '^[0-9]*:application/x-brontaxe-dessin:\*\.des$' "$share/mime/globs2" ||
  fail "*.des is not registered"
grep -q 'application/x-brontaxe-dessin' "$share/mime/magic" || fail "no magic for .des"
grep -qx 'MimeType=application/x-brontaxe-dessin;application/x-cff2;image/vnd.dxf;' "$desktop" ||
  fail "the entry does not take .des, .cf2 and .dxf: $(grep MimeType "$desktop")"
for glob in cf2 cff2; do
  grep -q "^[0-9]*:application/x-cff2:\*\.$glob\$" "$share/mime/globs2" || fail "*.$glob is not registered"
done

# The entry launched as a desktop launches it, under a virtual X server: without a file, the
# window on its start-up design; with a drawing or a die-line, the window on that file.
if command -v gio >/dev/null && command -v Xvfb >/dev/null; then
  launch=$(dirname "$0")/../../scripts/launch-entry.sh
  title=$(env PATH=/usr/bin:/bin "$launch" "$desktop") || fail "the entry alone: $title"
  [[ $title == Brontaxe* ]] || fail "the entry alone opened \"$title\""
  "$prefix/bin/brontaxe-cli" 0427 -o "$root/boite.des" >/dev/null
  "$prefix/bin/brontaxe-cli" 0201 -o "$root/client.dxf" >/dev/null
  # A die-line opened becomes a design to save under its name, as a .des.
  for file in boite.des client.dxf; do
    title=$(env PATH=/usr/bin:/bin "$launch" "$desktop" "$root/$file") ||
      fail "the entry on $file: $title"
    [[ $title == *" - ${file%.*}.des"* ]] || fail "the entry on $file opened \"$title\""
  done
else
  fail "gio or Xvfb missing (scripts/setup-deps.sh)"
fi
for program in brontaxe brontaxe-cli; do
  page=$(MANWIDTH=100 man -l "$share/man/man1/$program.1.gz" 2>&1) || fail "man $program: $page"
  grep -q -- '--version' <<<"$page" || fail "man $program lacks --version"
  grep -q -- '--help' <<<"$page" || fail "man $program lacks --help"
done
man -l "$share/man/man1/brontaxe.1.gz" 2>/dev/null | grep -q -- '--ouvrir' || fail "man brontaxe lacks --ouvrir"
# help2man found the usage line and the options under their French headings.
page=$(MANWIDTH=200 man -l "$share/man/man1/brontaxe.1.gz" 2>/dev/null)
grep -A1 '^SYNOPSIS' <<<"$page" | grep -q 'brontaxe \[OPTIONS\] \[FICHIER\]' ||
  fail "man brontaxe has no synopsis: $(head -n12 <<<"$page")"
grep -q '^OPTIONS' <<<"$page" || fail "man brontaxe has no OPTIONS section"
# In French throughout: none of the option parser's English words.
page=$(MANWIDTH=200 man -l "$share/man/man1/brontaxe-cli.1.gz" 2>/dev/null)
for english in TEXT INT FLOAT Excludes Needs Usage; do
  ! grep -qw -- "$english" <<<"$page" || fail "man brontaxe-cli says $english: $(grep -w -- "$english" <<<"$page" | head -n2)"
done
for english in ' in [' 'Exclut:' 'Utilisation:'; do
  ! grep -qF -- "$english" <<<"$page" || fail "man brontaxe-cli says \"$english\""
done
# Every picture the help window's manual names is installed beside it, no wider than the
# window shows it, and no other.
help=$share/help/fr/brontaxe
named=$(grep -o '](\([^)]*\.png\))' "$help/manuel.md" | sed 's/^](//; s/)$//' | sort -u)
[ -n "$named" ] || fail "the help window's manual names no picture"
for picture in $named; do
  width=$(identify -format %w "$help/$picture" 2>/dev/null) ||
    { fail "the help window's $picture is not installed"; continue; }
  [ "$width" -le 760 ] || fail "the help window's $picture is $width pixels wide"
done
[ "$(cd "$help" && ls ./*.png | sed 's|^\./||' | sort)" = "$named" ] ||
  fail "pictures the help window's manual does not name: $(ls "$help")"

[ "$failures" -eq 0 ] && echo "installed in $prefix: every check passed"
exit "$failures"
