#!/bin/sh
# Installs the built program into a scratch root as the Debian package lays it out, then runs
# the installed program from there: it must find its fonts and its compiled-in page designs,
# and the desktop entry, the icon and the manual page must be in their places.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
for file in bin/monit12 share/applications/monit12.desktop \
    share/icons/hicolor/scalable/apps/monit12.svg share/man/man1/monit12.1; do
    [ -f "$usr/$file" ] || fail "not installed: /usr/$file"
done
[ -x "$usr/bin/monit12" ] || fail "/usr/bin/monit12 is not executable"

entry=$usr/share/applications/monit12.desktop
for line in '[Desktop Entry]' 'Type=Application' 'Exec=monit12' 'Icon=monit12' \
    'Name=Patto di stabilità 2012' 'Categories=Office;Finance;'; do
    grep -qxF "$line" "$entry" || fail "desktop entry lacks: $line"
done
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry"; fi
warnings=$(groff -man -Tutf8 -ww -z "$usr/share/man/man1/monit12.1" 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"

# Nothing may point back into the build tree.
if readelf -d "$usr/bin/monit12" | grep -qE 'RPATH|RUNPATH'; then fail "the program keeps a run path"; fi
if ldd "$usr/bin/monit12" | grep -q 'not found'; then fail "unresolved libraries"; fi

cd "$root"
cp "$source/examples/KESTRAVO.TXT" .
version=$(env -u MONIT12_FONT_DIR "$usr/bin/monit12" --version)
[ "$version" = "monit12 $(sed -n 's/^project(monit12 VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")" ] \
    || fail "version: $version"
env -u MONIT12_FONT_DIR LC_ALL=it_IT.UTF-8 "$usr/bin/monit12" --pdf statement.pdf --data KESTRAVO.TXT \
    || fail "the installed program could not write the statement"
pdfinfo statement.pdf | grep -qE '^Pages: +2$' || fail "the statement does not have two pages"
embedded=$(pdffonts statement.pdf | awk '$1 ~ /^LiberationSans(-Bold)?$/ && $(NF-4) == "yes"' | wc -l)
[ "$embedded" -eq 2 ] || fail "Liberation Sans regular and bold are not both embedded"
text=$(pdftotext -layout statement.pdf -)
for expected in 'COMUNE DI CANTÙ' 'Patto rispettato' '35.449.153,62'; do
    echo "$text" | grep -qF "$expected" || fail "the statement lacks: $expected"
done
echo "installed program ran from $usr"
