#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks that it carries the
# program, its shared files and the desktop integration, and nothing else.
#   check.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work" >/dev/null 2>&1)
package=$(ls "$work"/tolvaric_1.00_*.deb)
[ "$(dpkg-deb --field "$package" Package)" = tolvaric ] &&
    [ "$(dpkg-deb --field "$package" Version)" = 1.00 ] ||
    { echo "FAIL: package name or version"; exit 1; }

expected="./usr/bin/tolvaric
./usr/share/applications/tolvaric.desktop
./usr/share/icons/hicolor/16x16/apps/tolvaric.png
./usr/share/icons/hicolor/32x32/apps/tolvaric.png
./usr/share/icons/hicolor/scalable/apps/tolvaric.svg
./usr/share/metainfo/io.github.tolvaric.tolvaric.metainfo.xml
./usr/share/tolvaric/default-logo.bmp
./usr/share/tolvaric/tolvaric.hlp"
actual=$(dpkg-deb --contents "$package" | awk '$1 !~ /^d/ { print $6 }' | sort)
if [ "$actual" != "$expected" ]; then
    echo "FAIL: the package holds"
    echo "$actual"
    exit 1
fi
echo "package contents as expected"
