#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# Every repository path that HACKING.md or README.md names in backquotes
# exists, so the map a new contributor follows is true. A path is any
# backquoted word with a slash in it; a module may be named without its
# ending (`ui/Printing` for ui/Printing.h and .cpp).
#   check-paths.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing=0
for document in HACKING.md README.md; do
    while IFS= read -r path; do
        case "$path" in
        # Build outputs, installed places and patterns are not the repository's.
        build* | /* | ~* | *'<'* | *'*'* | share/* | http*) continue ;;
        esac
        if [ ! -e "$path" ] && [ ! -e "$path.h" ] && [ ! -e "$path.cpp" ]; then
            echo "FAIL: $document names $path, which does not exist" >&2
            missing=1
        fi
    done < <(grep -oE '`[^` ]*/[^` ]*`' "$document" | tr -d '`' | sort -u)
done
[ "$missing" = 0 ] && echo "every path HACKING.md and README.md name exists"
