#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# Builds the Debian package from the build tree and checks that it carries the
# program, its shared files, the desktop integration, the manual page and
# Debian's copyright and changelog, and nothing else; lintian passes it.
#   check.sh BUILD_DIR VERSION
set -euo pipefail
build_dir=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work" >/dev/null 2>&1)
package=$(ls "$work"/tolvaric_"$version"_*.deb)
[ "$(dpkg-deb --field "$package" Package)" = tolvaric ] &&
    [ "$(dpkg-deb --field "$package" Version)" = "$version" ] ||
    { echo "FAIL: package name or version"; exit 1; }

# The version is written by hand in two more places; both follow project().
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
head -n1 "$source_dir/packaging/debian/changelog" | grep -q "^tolvaric ($version) " ||
    { echo "FAIL: packaging/debian/changelog does not start with version $version"; exit 1; }
grep -q "<release version=\"$version\"" "$source_dir/packaging/io.github.tolvaric.tolvaric.metainfo.xml" ||
    { echo "FAIL: the AppStream file names no release $version"; exit 1; }

expected="./usr/bin/tolvaric
./usr/share/applications/tolvaric.desktop
./usr/share/doc/tolvaric/changelog.gz
./usr/share/doc/tolvaric/copyright
./usr/share/icons/hicolor/16x16/apps/tolvaric.png
./usr/share/icons/hicolor/32x32/apps/tolvaric.png
./usr/share/icons/hicolor/scalable/apps/tolvaric.svg
./usr/share/man/de/man1/tolvaric.1.gz
./usr/share/man/man1/tolvaric.1.gz
./usr/share/metainfo/io.github.tolvaric.tolvaric.metainfo.xml
./usr/share/tolvaric/cc-ing.png
./usr/share/tolvaric/clearance-volume.png
./usr/share/tolvaric/deck-bridge.png
./usr/share/tolvaric/default-logo.bmp
./usr/share/tolvaric/intake-closing.png
./usr/share/tolvaric/sheet-charts.png
./usr/share/tolvaric/tolvaric.hlp"
actual=$(dpkg-deb --contents "$package" | awk '$1 !~ /^d/ { print $6 }' | sort)
if [ "$actual" != "$expected" ]; then
    echo "FAIL: the package holds"
    echo "$actual"
    exit 1
fi
grep -q "^License: MIT" <(dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/doc/tolvaric/copyright) ||
    { echo "FAIL: the copyright file names no MIT licence"; exit 1; }
# The installed program writes a PDF sheet (the part of its GUI that needs
# no display) and says nothing on success.
dpkg-deb --extract "$package" "$work/root"
cp "$source_dir/tests/data/sample.dat" "$work/tolvaric.dat"
# Without a runtime folder it leaves none behind in the temporary folder.
mkdir "$work/tmp"
(cd "$work" && env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp" \
    "$work/root/usr/bin/tolvaric" --sheet --format pdf -o sheet.pdf 2>errors) &&
    [ "$(head -c4 "$work/sheet.pdf")" = "%PDF" ] && [ ! -s "$work/errors" ] ||
    { echo "FAIL: the installed program wrote no PDF sheet, or said more"; cat "$work/errors"; exit 1; }
[ -z "$(ls -A "$work/tmp")" ] ||
    { echo "FAIL: a PDF sheet left $(ls -A "$work/tmp") in the temporary folder"; exit 1; }
# Debian's own checks: no error and no warning (informational tags are fine).
lintian --fail-on error,warning "$package" 2>/dev/null ||
    { echo "FAIL: lintian"; lintian "$package" 2>/dev/null; exit 1; }
echo "package contents as expected, lintian clean"
