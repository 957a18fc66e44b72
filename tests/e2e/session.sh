#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# A user's session on a real X server: tolvaric installed from the build tree,
# driven with xdotool in a fresh folder; results are checked in the files it
# writes and in the pixels of screenshots.
#   session.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/display.sh"
build_dir=$(cd "$1" && pwd)
wm_pid=
program_pid=
load_pids=()
cleanup_extra() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
}

fail() {
    echo "FAIL: $*" >&2
    import -window root "$work/failure.png" 2>/dev/null && cp "$work/failure.png" "$build_dir/e2e-failure.png" || true
    exit 1
}
step() { echo "-- $*"; }

cmake --install "$build_dir" --prefix "$work/install" >/dev/null
program="$work/install/bin/tolvaric"

start_display "$work"
export LC_ALL=C.UTF-8 LANG=C.UTF-8
# A window manager, for title bars and real close requests.
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

mkdir "$work/garage"
cd "$work/garage"

main_window() { window "$main_title"; }
gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
count() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
# Asks the window manager to close the window titled $1, as its close button does.
close_request() { wmctrl -c "$1"; sleep 0.5; }
# Keeps both cores busy for $1 seconds.
load() {
    for _ in 1 2; do timeout "$1" sh -c 'while :; do :; done' & load_pids+=($!); done
}

keys() { xdotool windowfocus --sync "$1"; shift; xdotool key --delay 30 "$@"; }
type_text() { xdotool windowfocus --sync "$1"; xdotool type --delay 30 "$2"; }
# Clicks at a point of the window, in window pixels.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }

# Colour of one pixel of window $1 as "r,g,b".
pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n1 |
        sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Line $1 of a file as a number, compared with $2 within $3.
expect_line() {
    local file=$1 line=$2 want=$3 tolerance=$4 got
    got=$(sed -n "${line}p" "$file" | tr -d '\r')
    awk -v g="$got" -v w="$want" -v t="$tolerance" 'BEGIN { d = g - w; if (d < 0) d = -d; exit !(g != "" && d <= t) }' ||
        fail "$file line $line is \"$got\", expected $want"
}

# The program's own home, to see that it keeps no settings there.
mkdir -p "$work/home/.config" "$work/cache"
start_program() {
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/cache \
        "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
}
wait_for_exit() {
    for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || { program_pid=; return 0; }; sleep 0.1; done
    fail "tolvaric did not end"
}

# Button centres and box places, in window pixels.
ratio_button="408 320"; volume_button="408 154"; pressure_button="408 352"
fetch_button="68 384"; save_button="170 384"; help_button="248 384"; quit_button="464 384"
bore_box="272 16"

step "first start in an empty folder, a pipe for a logo: the question, not a hang"
mkfifo mine.bmp
start_program
question=$(window "Data Error!")
gone "$main_title" || fail "the window appeared before the question was answered"
step "Escape and the close button leave the question waiting; Yes goes on"
keys "$question" Escape
close_request "Data Error!"
[ "$(count "Data Error!")" = 1 ] || fail "Escape or the close button answered the data-error question"
kill -0 "$program_pid" 2>/dev/null || fail "Escape or the close button ended the program"
keys "$question" Return
main=$(main_window)
rm mine.bmp

step "a whole engine typed by keyboard, Enter after each value"
engine=(4.030 3.480 .010 4.100 .039 .300 .060 64 0 5 0 5.700 276 110 10.5)
for value in "${engine[@]}"; do
    keys "$main" ctrl+a
    type_text "$main" "$value"
    keys "$main" Return
done

step "the three calculation buttons"
click "$main" $ratio_button
click "$main" $pressure_button
click "$main" $volume_button

step "Save This through the file dialog; a folder that does not exist is refused"
click "$main" $save_button
dialog=$(window "Save This")
type_text "$dialog" "nosuch/x"
keys "$dialog" Return
for _ in $(seq 30); do [ "$(count "Save This")" = 2 ] && break; sleep 0.1; done
[ "$(count "Save This")" = 2 ] || fail "the save dialog took a folder that does not exist"
keys "$(xdotool search --onlyvisible --name '^Save This$' | tail -n1)" Return
for _ in $(seq 30); do [ "$(count "Save This")" = 1 ] && break; sleep 0.1; done
[ -e nosuch ] && fail "the refused save wrote something"
keys "$dialog" ctrl+a
type_text "$dialog" "engine-a"
keys "$dialog" Return
for _ in $(seq 50); do [ -f engine-a.dat ] && break; sleep 0.1; done
[ -f engine-a.dat ] || fail "Save This wrote no engine-a.dat"
expect_line engine-a.dat 1 4.03 1e-12
expect_line engine-a.dat 15 9.93831868586562 1e-9
expect_line engine-a.dat 16 154.10687122735368 1e-9
expect_line engine-a.dat 8 64 1e-9

step "text that is not a number is reported and blocks the click"
click "$main" $bore_box
keys "$main" ctrl+a
type_text "$main" "4.0x3"
click "$main" $ratio_button
message=$(window "tolvaric")
keys "$message" Return
for _ in $(seq 30); do gone "tolvaric" && break; sleep 0.1; done
gone "tolvaric" || fail "the message box stayed"
type_text "$main" "9.5" # replaces the selected text
keys "$main" Tab

step "Fetch Old File, Cancel, then a reflexive Escape: the question stays, Yes keeps the session"
click "$main" $fetch_button
dialog=$(window "Fetch Old File")
keys "$dialog" Escape
question=$(window "Data Error!")
keys "$question" Escape
sleep 0.3
[ "$(count "Data Error!")" = 1 ] || fail "Escape answered the data-error question after Fetch"
keys "$question" Return
for _ in $(seq 30); do gone "Data Error!" && break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null || fail "Escape after a failed Fetch ended the program"

step "Fetch Old File brings the saved engine back"
click "$main" $fetch_button
dialog=$(window "Fetch Old File")
type_text "$dialog" "engine-a"
keys "$dialog" Return
sleep 0.5
gone "Data Error!" || fail "the fetch was refused"

step "Quit keeps the engine and the owner"
click "$main" $quit_button
wait_for_exit
expect_line tolvaric.dat 1 4.03 1e-12
expect_line tolvaric.dat 10 5 1e-12
expect_line tolvaric.dat 15 9.93831868586562 1e-9
expect_line tolvaric.dat 16 154.10687122735368 1e-9
[ "$(cat owner)" = $'"Owner"\r' ] || fail "owner holds $(cat -A owner)"
cp tolvaric.dat kept.dat

[ -z "$(find "$work/home" -mindepth 1 -not -path "$work/home/.config")" ] ||
    fail "Save and Fetch left settings behind: $(find "$work/home" -mindepth 1)"

step "second start with a logo: no question, the kept values, colours in place"
convert -size 10x10 xc:'#0000ff' BMP3:mine.bmp
start_program
main=$(main_window)
sleep 0.5
gone "Data Error!" || fail "the second start asked the data-error question"
icons=$(xprop -id "$main" _NET_WM_ICON | grep -c "Icon (\(16 x 16\|32 x 32\))")
[ "$icons" = 2 ] || fail "the window carries $icons of its two icons"
at() { pixel "$main" "$1" "$2"; }
# The colour at a window point, given a few seconds for the first paint.
expect_colour() {
    local x=$1 y=$2 want=$3 what=$4 got
    for _ in $(seq 50); do
        got=$(at "$x" "$y")
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    fail "$what at $x,$y is $got, not $want"
}
expect_colour 320 330 "255,128,0" "Calculate Compression Ratio"
expect_colour 318 142 "255,128,0" "the chamber-volume button"
expect_colour 20 390 "0,192,0" "Fetch Old File"
for corner in "304 176" "508 176" "304 300" "508 300" "406 238"; do
    expect_colour $corner "0,0,255" "the logo"
done
expect_colour 303 238 "192,192,192" "the grey beside the logo"

step "a help document whose pictures are a pipe and a device opens, and the program still answers"
printf '<a name="contents"></a><h1>Shop help</h1><img src="pic.png"><img src="/dev/zero">' >tolvaric.hlp
mkfifo pic.png
click "$main" $help_button
viewer=$(window "tolvaric Help")
step "the help viewer is a program of its own: killing it leaves the calculator answering"
viewer_pid=$(xdotool getwindowpid "$viewer")
[ "$viewer_pid" != "$program_pid" ] || fail "the help opened inside the calculator"
kill -9 "$viewer_pid"
for _ in $(seq 30); do gone "tolvaric Help" && break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null || fail "killing the help viewer ended the calculator"
rm tolvaric.hlp pic.png

step "a held Down, both cores busy, moves the focus exactly one box"
click "$main" $bore_box
load 5
xdotool keydown Down
sleep 1
xdotool keyup Down
sleep 0.5
keys "$main" ctrl+a
type_text "$main" "2.5"
keys "$main" Tab
for pid in "${load_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
load_pids=()
step "Help again brings the minimised viewer back in front, and no second one"
click "$main" $help_button
viewer=$(window "tolvaric Help")
xdotool windowminimize --sync "$viewer"
click "$main" $help_button
for _ in $(seq 30); do [ "$(xdotool getactivewindow)" = "$viewer" ] && break; sleep 0.1; done
[ "$(xdotool getactivewindow)" = "$viewer" ] || fail "Help did not bring the open viewer to the front"
[ "$(count "tolvaric Help")" = 1 ] || fail "Help started a second viewer"
step "the help stays open after Quit"
xdotool windowminimize --sync "$viewer" # it may cover the Quit button
click "$main" $quit_button
wait_for_exit
sleep 0.3
kill -0 "$(xdotool getwindowpid "$viewer")" 2>/dev/null || fail "Quit ended the help viewer"
xdotool windowactivate --sync "$viewer"
close_request "tolvaric Help"
gone "tolvaric Help" || fail "the help viewer did not close"
expect_line tolvaric.dat 2 2.5 0
cmp -s <(sed -n '3,$p' tolvaric.dat) <(sed -n '3,$p' kept.dat) ||
    fail "the held key moved past Stroke: $(tr -d '\r' <tolvaric.dat | tr '\n' ' ')"
cp tolvaric.dat kept.dat

step "a bore typed in millimetres is kept in inches, exactly"
start_program
main=$(main_window)
keys "$main" Home shift+End
type_text "$main" "86.5mm"
keys "$main" Return
click "$main" $quit_button
wait_for_exit
[ "$(sed -n 1p tolvaric.dat | tr -d '\r')" = 3.405511811023622 ] ||
    fail "86.5mm in Bore was kept as $(sed -n 1p tolvaric.dat | tr -d '\r')"
cp tolvaric.dat kept.dat

step "Ctrl+P onto a pipe and onto /dev/full: each refused with a message, the dialog stays"
start_program
main=$(main_window)
printing_title="Print the Engine Sheet"
options_title="Engine Sheet Options"
preview_title="Engine Sheet Preview"
for target in pipe device; do
    rm -f tolvaric.pdf
    if [ "$target" = pipe ]; then mkfifo tolvaric.pdf; else ln -s /dev/full tolvaric.pdf; fi
    keys "$main" ctrl+p
    keys "$(window "$options_title")" Return # nothing added to the sheet
    keys "$(window "$preview_title")" ctrl+p # the pages seen, then printed
    printing=$(window "$printing_title")
    keys "$printing" Return # Print to File, onto the name it proposes
    for _ in $(seq 50); do [ "$(count "$printing_title")" = 2 ] && break; sleep 0.1; done
    [ "$(count "$printing_title")" = 2 ] || fail "Print to File onto a $target got no answer"
    xdotool key --delay 30 Return # the message, in front of the dialog
    sleep 0.5
    [ "$(count "$printing_title")" = 1 ] || fail "the print dialog closed after refusing a $target"
    keys "$printing" Escape
    for _ in $(seq 30); do gone "$printing_title" && break; sleep 0.1; done
    gone "$printing_title" || fail "the print dialog did not close"
done
rm -f tolvaric.pdf

step "Ctrl+P shows the sheet first; Escape goes back to the window"
keys "$main" ctrl+p
keys "$(window "$options_title")" Return
preview=$(window "$preview_title")
keys "$preview" Escape
for _ in $(seq 30); do gone "$preview_title" && break; sleep 0.1; done
gone "$preview_title" || fail "Escape did not close the preview"
[ -e tolvaric.pdf ] && fail "the preview's Escape printed a PDF"

step "Ctrl+P prints the engine sheet to the PDF it proposes in the working folder"
keys "$main" ctrl+p
options=$(window "$options_title")
type_text "$options" "8" # the cylinders, the first box
keys "$options" Return
keys "$(window "$preview_title")" ctrl+p
printing=$(window "$printing_title")
keys "$printing" Return
for _ in $(seq 50); do [ -s tolvaric.pdf ] && break; sleep 0.1; done
[ "$(head -c 4 tolvaric.pdf 2>/dev/null)" = "%PDF" ] || fail "Ctrl+P printed no PDF"
rm -f tolvaric.pdf
cmp -s tolvaric.dat kept.dat || fail "printing changed tolvaric.dat"

step "closing from the title bar keeps the files as they were"
keys "$main" ctrl+a
type_text "$main" "7"
keys "$main" Return
close_request "Compression Ratio, etc."
wait_for_exit
cmp -s tolvaric.dat kept.dat || fail "closing the window changed tolvaric.dat"

step "started with standard error closed, the window destroyed from outside: the program ends, nothing written"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/cache \
    "$program" >"$work/program.log" 2>&- &
program_pid=$!
main=$(main_window)
keys "$main" ctrl+a
type_text "$main" "7"
keys "$main" Return
xdotool windowclose "$main"
wait_for_exit
cmp -s tolvaric.dat kept.dat || fail "a window destroyed from outside changed tolvaric.dat"

echo "end-to-end session passed"
