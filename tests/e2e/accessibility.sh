#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# tolvaric as a screen reader sees it: the program on Xvfb with the desktop's
# accessibility bus (AT-SPI) in a private session bus, read with pyatspi.
#   accessibility.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/display.sh"

start_display "$work"
export LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

cp "$here/../data/sample.dat" "$work/tolvaric.dat"
cd "$work"
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    sleep 0.5
    "$0" >program.log 2>&1 &
    program=$!
    /usr/bin/python3 "$1"
    status=$?
    kill "$program" "$launcher" 2>/dev/null
    exit $status
' "$build_dir/app/tolvaric" "$here/accessible_names.py"
