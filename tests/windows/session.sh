#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# The Windows installer under Wine: installs silently, holds exactly what it
# should, and the installed tolvaric.exe, driven with xdotool on Xvfb, writes
# the same files as the Linux build for the same keystrokes: a refused
# read-only name and a second Save This with Enter at once on the way, and a
# JPEG logo shown. Its engine sheet is written as text and as a PDF. The
# Start-menu shortcut starts in the user's Documents.
# An uninstaller run while tolvaric runs fails and removes nothing; then it
# removes everything.
#   session.sh WINDOWS_BUILD_DIR LINUX_BUILD_DIR
set -euo pipefail
windows_build=$(cd "$1" && pwd)
linux_build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/display.sh"
program_pid=
cleanup_extra() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
}
fail() {
    echo "FAIL: $*" >&2
    import -window root "$windows_build/windows-failure.png" 2>/dev/null || true
    exit 1
}
gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
step() { echo "-- $*"; }

installer=$(ls "$windows_build"/tolvaric-*-win64.exe)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
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
# It starts tolvaric in the Documents folder of whoever starts it (the link
# holds UTF-16 text).
LC_ALL=C grep -aq -- "-.-.i.n.-.d.o.c.u.m.e.n.t.s" "$shortcut" ||
    fail "the shortcut does not start tolvaric in the user's Documents"
# A second one starts the window in millimetres and bar.
metric_shortcut=$(find "$WINEPREFIX/drive_c" -iname "tolvaric (millimetres and bar).lnk" | head -n1)
[ -n "$metric_shortcut" ] || fail "no Start-menu shortcut for millimetres and bar"
LC_ALL=C grep -aq -- "-.-.m.e.t.r.i.c" "$metric_shortcut" ||
    fail "the millimetres-and-bar shortcut does not pass --metric"

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
# The message box titled $1: the small window of that title, once it is up.
message_box() {
    local id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^HEIGHT=')"
            [ "$HEIGHT" -lt 250 ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    fail "no message box \"$1\""
}
# The OK button of message box $1, at its lower right on either platform.
ok_button() {
    local width height
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    width=$WIDTH height=$HEIGHT
    click "$1" $((width - 50)) $((height - 22))
}

# The same keystrokes for either build: a bore, Calculate Compression Ratio,
# Save This onto a read-only engine.dat (refused: OK, then another name),
# Save This again with Enter at once (nothing is saved; Escape), a new bore,
# Quit. The logo is a JPEG.
session() {
    local folder=$1
    shift
    mkdir -p "$folder"
    cp "$here/../data/sample.dat" "$folder/tolvaric.dat"
    printf 'locked\r\n' >"$folder/engine.dat"
    chmod 444 "$folder/engine.dat"
    convert -size 64x40 xc:'#0000ff' "JPEG:$folder/mine.bmp"
    (cd "$folder" && exec "$@" >/dev/null 2>&1) &
    program_pid=$!
    local main dialog
    main=$(window "$main_title" 30) # Wine takes its time
    sleep 1
    # Another Qt program keeps its settings while tolvaric runs; they stay.
    if [ "$1" = wine ]; then
        wine reg add 'HKCU\Software\QtProject\OtherProgram' /v kept /d yes /f >/dev/null 2>&1
    fi
    local logo
    logo=$(import -window "$main" -crop 1x1+406+238 -depth 8 txt:- | tail -n1)
    [[ "$logo" =~ \(\ *[0-9]{1,2},\ *[0-9]{1,2},\ *2[0-9][0-9] ]] || fail "the JPEG logo is not shown: $logo"
    click "$main" 272 16
    xdotool key --delay 50 ctrl+a
    xdotool type --delay 50 "4.125"
    click "$main" 408 320
    click "$main" 170 384
    window "Save This" 30 >/dev/null
    sleep 0.5
    xdotool type --delay 50 "engine"
    xdotool key Return
    sleep 1.5
    # OK on "… is read-only" (the newest window of that title), clicked: with
    # no window manager, Wine's message box takes no keys sent to it.
    ok_button "$(message_box "Save This")"
    sleep 1
    # Qt's own dialog stays open after its refusal (Escape closes it), a
    # native one has closed; Save This starts again.
    if ! gone "Save This"; then
        xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Save This$' | head -n1)"
        xdotool key Escape
        sleep 1
    fi
    gone "Save This" || fail "a dialog stayed open after the refusal"
    click "$main" 170 384
    window "Save This" 30 >/dev/null
    sleep 0.5
    xdotool type --delay 50 "engine2"
    xdotool key Return
    for _ in $(seq 100); do [ -f "$folder/engine2.dat" ] && break; sleep 0.1; done
    [ -f "$folder/engine2.dat" ] || fail "Save This wrote no engine2.dat in $folder"
    [ "$(cat "$folder/engine.dat")" = $'locked\r' ] || fail "the read-only engine.dat was written"
    # Save This again, Enter at once: the name box starts empty, so nothing
    # is saved. Checked in the Linux leg: with no window manager, Wine's
    # dialog takes no keys or clicks sent from outside once it has opened.
    if [ "$1" != wine ]; then
        sleep 0.5
        click "$main" 170 384
        dialog=$(window "Save This" 30)
        sleep 0.5
        xdotool key Return
        sleep 1
        xdotool key Escape
        sleep 1
        gone "Save This" || fail "the second Save This stayed open"
    fi
    # Help opens a viewer of its own: killing it leaves the calculator working.
    click "$main" 248 384
    local viewer
    viewer=$(window "tolvaric Help" 30)
    # Help again brings that viewer back (a named event), never a second one.
    click "$main" 248 384
    sleep 2
    [ "$(xdotool search --onlyvisible --name '^tolvaric Help$' | wc -l)" = 1 ] ||
        fail "a second Help started a second viewer"
    xdotool windowkill "$viewer"
    sleep 1
    kill -0 "$program_pid" 2>/dev/null || fail "killing the help viewer ended tolvaric"
    # The window takes the keyboard again: a new bore, typed at once.
    click "$main" 272 16
    xdotool key --delay 50 ctrl+a
    xdotool type --delay 50 "4.25"
    click "$main" 464 384
    for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$program_pid" 2>/dev/null && fail "tolvaric did not end after Quit"
    program_pid=
}

# What Qt's own tests of the file dialog left there is not the program's.
wine reg delete 'HKCU\Software\QtProject' /f >/dev/null 2>&1 || true

step "the same session on the Linux build and on the installed Windows build"
session "$work/linux" "$linux_build/app/tolvaric"
session "$work/windows" wine "C:\\Program Files\\tolvaric\\tolvaric.exe"
for file in tolvaric.dat engine2.dat owner; do
    cmp "$work/linux/$file" "$work/windows/$file" ||
        fail "$file differs: $(od -c "$work/windows/$file" | head -n3)"
done
[ "$(head -n1 "$work/windows/engine2.dat")" = $'4.125\r' ] ||
    fail "engine2.dat does not start with the typed bore"
[ "$(head -n1 "$work/windows/tolvaric.dat")" = $'4.25\r' ] ||
    fail "tolvaric.dat does not start with the typed bore: $(od -c "$work/windows/tolvaric.dat" | head -n2)"

step "the installed program's engine sheet: text to standard output, and a PDF"
(cd "$work/windows" && wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --sheet >sheet.txt &&
    wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --sheet --format pdf -o sheet.pdf) ||
    fail "the sheet command failed"
grep -q "^Data file  *tolvaric.dat" "$work/windows/sheet.txt" || fail "no text sheet"
[ "$(head -c4 "$work/windows/sheet.pdf")" = "%PDF" ] || fail "no PDF sheet"

step "-o refuses tolvaric.dat under every spelling Windows takes for it"
cp "$work/windows/tolvaric.dat" "$work/windows-kept.dat"
cp "$work/windows/tolvaric.dat" "$work/windows/other.dat"
# The 8.3 name too, which Wine makes for a long folder name as Windows does.
short_name=$(winepath -s "$(winepath -w "$work/windows/tolvaric.dat")")
for spelling in TOLVARIC.DAT Tolvaric.Dat "tolvaric.dat." "tolvaric.dat " ".\\TOLVARIC.dat" \
    "Z:${work//\//\\}\\windows\\tolvaric.dat" "$short_name"; do
    status=0
    (cd "$work/windows" && wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --sheet other.dat \
        -o "$spelling" >/dev/null 2>&1) || status=$?
    [ "$status" = 2 ] || fail "-o \"$spelling\" gave exit status $status, not 2"
    cmp -s "$work/windows/tolvaric.dat" "$work/windows-kept.dat" ||
        fail "-o \"$spelling\" replaced tolvaric.dat"
done

step "a PDF through standard output as with -o, a file name in Chinese, and a refused argument"
(cd "$work/windows" && wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --sheet --format pdf >piped.pdf) ||
    fail "a PDF sheet through standard output failed"
# Standard output in text mode would turn every line feed into CR LF.
[ "$(stat -c%s "$work/windows/piped.pdf")" = "$(stat -c%s "$work/windows/sheet.pdf")" ] ||
    fail "a PDF through standard output differs from one written with -o"
cp "$work/windows/tolvaric.dat" "$work/windows/发动机.dat"
(cd "$work/windows" && wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --sheet 发动机.dat >chinese.txt) ||
    fail "a data file named in Chinese was not read"
grep -q "发动机.dat" "$work/windows/chinese.txt" || fail "the sheet does not name 发动机.dat"
status=0
(cd "$work/windows" && wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --bogus >/dev/null 2>&1) || status=$?
[ "$status" = 2 ] || fail "an unknown option gave exit status $status, not 2"

step "in a console, tolvaric.com: the text where it was typed, and the exit status"
version=$( (cd "$work/windows" && wine cmd /c "C:\\Program Files\\tolvaric\\tolvaric.com" --version) 2>/dev/null | tr -d '\r')
[[ "$version" == tolvaric* ]] || fail "tolvaric.com --version printed \"$version\""
printf '@"C:\\Program Files\\tolvaric\\tolvaric.com" --bogus\r\n@echo status %%errorlevel%%\r\n' >"$work/console.bat"
status=$( (wine cmd /c "$(winepath -w "$work/console.bat")" 2>/dev/null || true) | tr -d '\r' | grep -o 'status [0-9]*' | tail -n1 || true)
[ "$status" = "status 2" ] || fail "tolvaric.com --bogus left \"$status\", not status 2"

step "Ctrl+P with no printer set up: the sheet offered as a PDF file, written where it is proposed"
if lpstat -e 2>/dev/null | grep -q .; then
    echo "   (this machine has printers, which Wine shows: skipped)"
else
    rm -f "$work/windows/tolvaric.pdf"
    (cd "$work/windows" && exec wine "C:\\Program Files\\tolvaric\\tolvaric.exe" >/dev/null 2>&1) &
    program_pid=$!
    main=$(window "$main_title" 30)
    sleep 1
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+p
    window "Engine Sheet Options" 30 >/dev/null
    sleep 0.5
    xdotool key Return # nothing added
    window "Engine Sheet Preview" 30 >/dev/null
    sleep 0.5
    xdotool key ctrl+p # the pages seen, then printed
    question=$(message_box "Print the Engine Sheet") # no printer: a PDF? Yes, at the left
    eval "$(xdotool getwindowgeometry --shell "$question" | grep -E '^(WIDTH|HEIGHT)=')"
    click "$question" $((WIDTH - 136)) $((HEIGHT - 22))
    sleep 2
    xdotool key Return # the file dialog, on the name it proposes
    for _ in $(seq 100); do [ -s "$work/windows/tolvaric.pdf" ] && break; sleep 0.1; done
    [ "$(head -c4 "$work/windows/tolvaric.pdf" 2>/dev/null)" = "%PDF" ] ||
        fail "Ctrl+P with no printer wrote no PDF"
    click "$main" 464 384
    for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    program_pid=
fi

# Qt's file dialog left nothing in the registry, and took nothing of
# another program's there.
wine reg query 'HKCU\Software\QtProject\OtherProgram' /v kept >/dev/null 2>&1 ||
    fail "a file dialog removed another program's settings"
if wine reg query 'HKCU\Software\QtProject\OrganizationDefaults' >/dev/null 2>&1; then
    fail "the file dialogs left settings in the registry"
fi
wine reg delete 'HKCU\Software\QtProject' /f >/dev/null 2>&1 || true

step "the shortcut's way of starting: in the user's Documents, from any folder"
documents="$WINEPREFIX/drive_c/users/$(id -un)/Documents"
mkdir -p "$documents" && rm -f "$documents/owner"
# Written with trailing zeros, which Quit does not write: a changed file was written.
sed 's/^4\r$/4.000\r/' "$here/../data/sample.dat" >"$documents/tolvaric.dat"
# Starts the installed program as a Start-menu shortcut does, with the
# shortcut's options, from another folder, and clicks Quit.
start_as_shortcut_and_quit() {
    (cd "$work" && exec wine "C:\\Program Files\\tolvaric\\tolvaric.exe" "$@" >/dev/null 2>&1) &
    program_pid=$!
    main=$(window "$main_title" 30)
    sleep 1
    click "$main" 464 384
    for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    program_pid=
}
start_as_shortcut_and_quit --in-documents
[ "$(head -n1 "$documents/tolvaric.dat")" = $'4\r' ] && [ -f "$documents/owner" ] ||
    fail "Quit did not keep the engine in the user's Documents"

step "the millimetres-and-bar shortcut's way: the same files, Quit writes them back unchanged"
cp "$documents/tolvaric.dat" "$work/before-metric.dat"
start_as_shortcut_and_quit --in-documents --metric
cmp -s "$documents/tolvaric.dat" "$work/before-metric.dat" ||
    fail "the window in millimetres and bar changed tolvaric.dat: $(od -c "$documents/tolvaric.dat" | head -n3)"

step "no Documents folder: the shortcut's way makes it, and Quit writes there, never where tolvaric is installed"
mv "$documents" "$work/documents-away"
# Wine makes the folder again as a link to the home (where Windows makes a
# folder): nothing of an earlier round may wait there.
rm -f "$HOME/tolvaric.dat" "$HOME/owner"
(cd "$program_files" && exec wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --in-documents >/dev/null 2>&1) &
program_pid=$!
question=$(message_box "Data Error!") # nothing to read in a new folder: Yes, at the left
eval "$(xdotool getwindowgeometry --shell "$question" | grep -E '^WIDTH=')"
click "$question" $((WIDTH - 136)) $(($(xdotool getwindowgeometry --shell "$question" | sed -n 's/^HEIGHT=//p') - 22))
main=$(window "$main_title" 30)
sleep 1
click "$main" 464 384
for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
program_pid=
[ -f "$documents/tolvaric.dat" ] || fail "Quit did not write into a Documents folder made anew"
[ -e "$program_files/tolvaric.dat" ] && fail "tolvaric wrote its data into the installation folder"
rm -f "$(readlink -f "$documents")/tolvaric.dat" "$(readlink -f "$documents")/owner"
rm -rf "$documents"

step "a file where Documents should be: a message, no window, nothing written"
printf 'not a folder' >"$documents"
(cd "$program_files" && exec wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --in-documents >/dev/null 2>&1) &
program_pid=$!
message_box "tolvaric" >/dev/null # its words are not readable here; that it is shown is
sleep 1
gone "$main_title" || fail "the window opened without a Documents folder"
kill "$program_pid" 2>/dev/null || true
wineserver --kill 2>/dev/null || true
program_pid=
[ "$(cat "$documents")" = "not a folder" ] || fail "the file named Documents was changed"
[ -e "$program_files/tolvaric.dat" ] && fail "tolvaric wrote its data into the installation folder"
rm -f "$documents"
mv "$work/documents-away" "$documents"

step "a tolvaric.dat another program holds at start-up: the question, No, and the file kept"
cp "$documents/tolvaric.dat" "$work/before-held.dat"
wine "$windows_build/hold_file.exe" "$(winepath -w "$documents/tolvaric.dat")" 60000 >"$work/held.txt" 2>&1 &
holder_pid=$!
for _ in $(seq 100); do grep -q held "$work/held.txt" 2>/dev/null && break; sleep 0.1; done
grep -q held "$work/held.txt" || fail "the file could not be held: $(cat "$work/held.txt")"
(cd "$work" && exec wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --in-documents >/dev/null 2>&1) &
program_pid=$!
ok_button "$(message_box "Data Error!")" # No, at the right: the program ends
for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "No on the start-up question did not end tolvaric"
program_pid=
kill "$holder_pid" 2>/dev/null || true
wineserver --kill 2>/dev/null || true
cmp -s "$documents/tolvaric.dat" "$work/before-held.dat" || fail "the held tolvaric.dat was changed"

step "a second installation into another folder updates the first where it is"
# Through cmd, as a user's script starts it: started from bash, Wine drops /D=.
printf '"%s" /S /D=C:\\Other Place\\tolvaric\r\n' "$(winepath -w "$installer")" >"$work/reinstall.bat"
wine cmd /c "$(winepath -w "$work/reinstall.bat")" >/dev/null 2>&1 || true
wineserver --wait 2>/dev/null || true
wine reg query 'HKLM\Software\tolvaric\tolvaric' /ve 2>/dev/null | tr -d '\r' |
    grep -q 'Program Files\\tolvaric$' || fail "the registry does not name the first folder"
[ -e "$WINEPREFIX/drive_c/Other Place/tolvaric/tolvaric.exe" ] &&
    fail "a second installation went into another folder beside the first"
[ -f "$program_files/tolvaric.exe" ] && [ -f "$program_files/Uninstall.exe" ] ||
    fail "a second installation left the first incomplete"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\tolvaric' /v UninstallString 2>/dev/null |
    grep -q 'Program Files\\tolvaric' || fail "the uninstall entry does not name the first folder"

step "uninstalling while tolvaric runs fails and removes nothing"
(cd "$work" && exec wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --in-documents >/dev/null 2>&1) &
program_pid=$!
window "$main_title" 30 >/dev/null
# In place (_?= as the last, unquoted word, which only cmd passes so), so
# that its exit status is the uninstall's own.
printf '"C:\\Program Files\\tolvaric\\Uninstall.exe" /S _?=C:\\Program Files\\tolvaric\r\necho status %%errorlevel%%\r\n' \
    >"$work/uninstall.bat"
status=$( (wine cmd /c "$(winepath -w "$work/uninstall.bat")" 2>/dev/null || true) | tr -d '\r' | grep -o 'status [0-9]*' | tail -n1 || true)
[ "$status" = "status 0" ] && fail "the uninstaller reported success while tolvaric ran"
[ -n "$status" ] || fail "the uninstaller's exit status was not read"
sleep 1
[ -f "$program_files/tolvaric.exe" ] && [ -f "$program_files/Uninstall.exe" ] ||
    fail "the uninstaller removed files while tolvaric ran"
kill "$program_pid" 2>/dev/null || true
wineserver --kill 2>/dev/null || true
program_pid=

step "uninstalling silently"
wine "$program_files/Uninstall.exe" /S
for _ in $(seq 100); do [ -e "$program_files" ] || break; sleep 0.2; done
[ -e "$program_files" ] && fail "the uninstaller left $(find "$program_files")"
[ -e "$shortcut" ] && fail "the uninstaller left the Start-menu shortcut"
[ -e "$metric_shortcut" ] && fail "the uninstaller left the millimetres-and-bar shortcut"
wine reg query 'HKLM\Software\tolvaric' >/dev/null 2>&1 && fail "the uninstaller left its registry key"

step "on a German Windows: the installer's shortcut and the program in German"
german() { LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$@"; }
german wine "$installer" /S
for _ in $(seq 100); do [ -f "$program_files/Uninstall.exe" ] && break; sleep 0.2; done
german_shortcut=$(find "$WINEPREFIX/drive_c" -iname "tolvaric (Millimeter und bar).lnk" | head -n1)
[ -n "$german_shortcut" ] || fail "no German Start-menu shortcut for millimetres and bar"
mkdir -p "$work/german"
cp "$here/../data/sample.dat" "$work/german/tolvaric.dat"
(cd "$work/german" && german wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --sheet >sheet.txt) ||
    fail "the German sheet was not written"
tr -d '\r' <"$work/german/sheet.txt" | grep -q "^Bohrung, in  *4,0000$" ||
    fail "the sheet on a German Windows is not German with a decimal comma: $(head -n8 "$work/german/sheet.txt")"
(cd "$work/german" && german wine "C:\\Program Files\\tolvaric\\tolvaric.exe" --sheet --cylinders 99 \
    2>refusal.txt) && fail "--cylinders 99 was taken"
grep -q "liegt außerhalb des Bereichs" "$work/german/refusal.txt" ||
    fail "the refusal on a German Windows is not German: $(cat "$work/german/refusal.txt")"
# An empty folder: the start-up question in German, answered Nein.
mkdir -p "$work/german/empty"
(cd "$work/german/empty" && german exec wine "C:\\Program Files\\tolvaric\\tolvaric.exe" >/dev/null 2>&1) &
program_pid=$!
ok_button "$(message_box "Datenfehler!")" # Nein, at the right: the program ends
for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "Nein on the German start-up question did not end tolvaric"
program_pid=
german wine "$program_files/Uninstall.exe" /S
for _ in $(seq 100); do [ -e "$program_files" ] || break; sleep 0.2; done
[ -e "$german_shortcut" ] && fail "the uninstaller left the German shortcut"
echo "Windows session passed"
