#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# The Windows installer under Wine: installs silently, holds exactly what it
# should, and the installed tolvaric.exe, driven with xdotool on Xvfb, writes
# the same files as the Linux build for the same keystrokes. Then the
# uninstaller removes everything.
#   session.sh WINDOWS_BUILD_DIR LINUX_BUILD_DIR
set -euo pipefail
windows_build=$(cd "$1" && pwd)
linux_build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/display.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

installer=$(ls "$windows_build"/tolvaric-*-win64.exe)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix to install into}"
program_files="$WINEPREFIX/drive_c/Program Files/tolvaric"

start_display "$work"

step "installing silently"
rm -rf "$program_files"
wine "$installer" /S
for _ in $(seq 100); do [ -f "$program_files/Uninstall.exe" ] && break; sleep 0.2; done
installed=$(cd "$program_files" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
expected=$(LC_ALL=C sort "$here/installed-files.txt")
[ "$installed" = "$expected" ] || fail "the installer put in place:
$installed"
shortcut=$(find "$WINEPREFIX/drive_c" -iname tolvaric.lnk | head -n1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
# Its working folder is the user's Documents folder (the link holds UTF-16 text).
LC_ALL=C grep -aq "D.o.c.u.m.e.n.t.s" "$shortcut" || fail "the shortcut does not start in Documents"

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }

# The same keystrokes for either build: a bore, Calculate Compression Ratio,
# Save This as engine.dat, Quit.
session() {
    local folder=$1
    shift
    mkdir -p "$folder"
    cp "$here/../data/sample.dat" "$folder/tolvaric.dat"
    (cd "$folder" && exec "$@" >/dev/null 2>&1) &
    program_pid=$!
    local main
    main=$(window "$main_title" 30) # Wine takes its time
    sleep 1
    click "$main" 272 16
    xdotool key --delay 50 ctrl+a
    xdotool type --delay 50 "4.125"
    click "$main" 408 320
    click "$main" 170 384
    local dialog
    dialog=$(window "Save This" 30)
    sleep 0.5
    xdotool type --delay 50 "engine"
    xdotool key Return
    for _ in $(seq 100); do [ -f "$folder/engine.dat" ] && break; sleep 0.1; done
    [ -f "$folder/engine.dat" ] || fail "Save This wrote no engine.dat in $folder"
    click "$main" 464 384
    for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$program_pid" 2>/dev/null && fail "tolvaric did not end after Quit"
    program_pid=
}

step "the same session on the Linux build and on the installed Windows build"
session "$work/linux" "$linux_build/app/tolvaric"
session "$work/windows" wine "C:\\Program Files\\tolvaric\\tolvaric.exe"
for file in tolvaric.dat engine.dat owner; do
    cmp "$work/linux/$file" "$work/windows/$file" ||
        fail "$file differs: $(od -c "$work/windows/$file" | head -n3)"
done
[ "$(head -n1 "$work/windows/tolvaric.dat")" = $'4.125\r' ] ||
    fail "tolvaric.dat does not start with the typed bore: $(od -c "$work/windows/tolvaric.dat" | head -n2)"

step "uninstalling silently"
wine "$program_files/Uninstall.exe" /S
for _ in $(seq 100); do [ -e "$program_files" ] || break; sleep 0.2; done
[ -e "$program_files" ] && fail "the uninstaller left $(find "$program_files")"
[ -e "$shortcut" ] && fail "the uninstaller left the Start-menu shortcut"
echo "Windows session passed"
