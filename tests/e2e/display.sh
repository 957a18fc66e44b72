# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# Sourced by the sessions on a real X server, which define fail. start_display
# FOLDER starts Xvfb on a free display (its number written into FOLDER), sets
# xvfb_pid and DISPLAY, and leaves no platform override behind.
start_display() {
    exec 3>"$1/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(head -n1 "$1/display")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# A session's scratch folder, $work, and its end: the X server stopped and
# the folder removed, after the session's own cleanup_extra, if it has one.
work=$(mktemp -d)
xvfb_pid=
end_display() {
    if declare -F cleanup_extra >/dev/null; then cleanup_extra; fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap end_display EXIT

# The main window's whole title, as a pattern.
main_title='Compression Ratio, etc\.            A Little Help from Q\.L\.N\.'

# Waits up to $2 seconds (10 when not given) for a window whose whole title
# matches $1 and prints its id.
window() {
    local id
    for _ in $(seq $((${2:-10} * 10))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window \"$1\""
}
