#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# Every path of the repository that HACKING.md or README.md names in
# backquotes exists, so the map a new contributor follows is true.
#   check-paths.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing=0
for document in HACKING.md README.md; do
    # `folder/file.ext`, `folder/sub/file.ext` or `file.ext` with a known
    # extension; build outputs and installed paths are not the repository's.
    while IFS= read -r path; do
        case "$path" in
        build* | /* | ~* | *'<'* | *'*'*) continue ;;
        esac
        if [ ! -e "$path" ]; then
            echo "FAIL: $document names $path, which does not exist" >&2
            missing=1
        fi
    done < <(grep -oE '`[A-Za-z0-9_./-]+/[A-Za-z0-9_.-]+\.(cpp|h|sh|txt|hlp|in|cmake|json|md|xml|desktop|ts|py|qrc)`' "$document" |
        tr -d '`' | sort -u)
done
[ "$missing" = 0 ] && echo "every path HACKING.md and README.md name exists"
