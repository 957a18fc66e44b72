#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# Qt's translation tools collect every text: lupdate, run on the sources into
# a scratch copy of the committed translation file, must not warn, and must
# find nothing the committed file lacks or holds in excess.
#   check.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
committed=$source_dir/translations/tolvaric_en.ts
cp "$committed" "$scratch/tolvaric_en.ts"
cd "$source_dir"
"$lupdate" -locations none -no-obsolete -I . app ui sheet text model storage resources \
    -ts "$scratch/tolvaric_en.ts" >"$scratch/lupdate.log" 2>&1
if grep -vE "^(Scanning directory|Updating '|    Found [0-9]+ source text)" "$scratch/lupdate.log"; then
    echo "FAIL: lupdate warned (above)" >&2
    exit 1
fi
if ! diff -u "$committed" "$scratch/tolvaric_en.ts"; then
    echo "FAIL: translations/tolvaric_en.ts is out of date; run:" >&2
    echo "  $lupdate -locations none -no-obsolete -I . app ui sheet text model storage resources -ts translations/tolvaric_en.ts" >&2
    exit 1
fi
echo "translations/tolvaric_en.ts holds every text"
