#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# Qt's translation tools collect every text: lupdate, run on the sources into
# a scratch copy of each committed translation file, must not warn, and must
# find nothing the committed file lacks or holds in excess. Every language
# but the English source has a finished translation of every text.
#   check.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$source_dir"
sources=(app ui sheet text model storage resources)
failed=0
for committed in translations/tolvaric_*.ts; do
    name=$(basename "$committed")
    cp "$committed" "$scratch/$name"
    "$lupdate" -locations none -no-obsolete -I . "${sources[@]}" -ts "$scratch/$name" \
        >"$scratch/lupdate.log" 2>&1
    if grep -vE "^(Scanning directory|Updating '|    Found [0-9]+ source text)" "$scratch/lupdate.log"; then
        echo "FAIL: lupdate warned on $name (above)" >&2
        failed=1
    fi
    if ! diff -u "$committed" "$scratch/$name"; then
        echo "FAIL: $committed is out of date; run:" >&2
        echo "  $lupdate -locations none -no-obsolete -I . ${sources[*]} -ts $committed" >&2
        failed=1
    fi
    if [ "$name" != tolvaric_en.ts ] &&
        grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$committed"; then
        echo "FAIL: $committed has texts without a translation (above)" >&2
        failed=1
    fi
done
[ "$failed" = 0 ] && echo "every translation file holds every text, each translated"
exit "$failed"
