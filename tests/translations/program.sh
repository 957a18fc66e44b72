#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

# The program in the desktop's language, as a user starts it: German on a
# German desktop (the sheet with a decimal comma, a German refusal, German
# --help with Qt's own words), a CSV the same in any language, and on a C
# desktop the English --help exactly as committed.
#   program.sh TOLVARIC SAMPLE_DAT EXPECTED_HELP
set -euo pipefail
program=$1
sample=$2
expected_help=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$sample" tolvaric.dat
fail() { echo "FAIL: $*" >&2; exit 1; }
german() { env -u LC_ALL -u LANGUAGE -u LC_MESSAGES LANG=de_DE.UTF-8 "$program" "$@"; }
english() { env -u LANGUAGE LC_ALL=C.UTF-8 LANG=C.UTF-8 "$program" "$@"; }
undated() { sed -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2}/DATE/'; }

german --sheet >sheet.txt
grep -q "^Bohrung, in  *4,0000$" sheet.txt || fail "the German sheet has no \"Bohrung, in 4,0000\""
grep -q "^Statisches Verdichtungsverhältnis  *[0-9]*,[0-9][0-9]$" sheet.txt ||
    fail "the German sheet has no static compression ratio with a decimal comma"
german --sheet --format csv | undated >german.csv
english --sheet --format csv | undated >english.csv
cmp -s german.csv english.csv || fail "the CSV differs on a German desktop"
status=0
german --sheet --cylinders 99 2>refusal.txt || status=$?
[ "$status" = 2 ] || fail "the refusal exited $status, not 2"
grep -q "„99“ liegt außerhalb des Bereichs" refusal.txt || fail "the refusal is not German: $(cat refusal.txt)"
german --help >help.txt
grep -q "^Optionen:$" help.txt || fail "--help lacks Qt's German \"Optionen:\""
grep -q "Diese Hilfe zeigen und enden." help.txt || fail "--help is not German"
english --help >english-help.txt
diff -u "$expected_help" english-help.txt || fail "the English --help changed"
echo "German on a German desktop, English unchanged on a C one"
