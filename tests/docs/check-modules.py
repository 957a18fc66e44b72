#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

"""No two modules of the program use each other: a module is a header
and its source (ui/Printing.h and ui/Printing.cpp), and it uses another
when either file includes the other's header. Each layer then reads one
way, and a module can be understood by what it includes. The folders are
layers too: a folder includes only its own headers and those of the
folders below it in LAYERS, so each library links only what is under it.
    check-modules.py SOURCE_DIR
"""

import os
import re
import sys

# Lowest first.
LAYERS = ("model", "resources", "storage", "text", "sheet", "ui", "app")


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else "."
    uses = {}
    for folder in LAYERS:
        for root, _, files in os.walk(os.path.join(source, folder)):
            for name in files:
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(root, name)
                module = os.path.splitext(os.path.relpath(path, source))[0]
                module = module.removesuffix("_p")
                text = open(path, encoding="utf-8").read()
                for included in re.findall(r'^#include "([^"]+)\.h"', text, re.M):
                    included = included.removesuffix("_p")
                    if included != module:
                        uses.setdefault(module, set()).add(included)
    pairs = sorted({tuple(sorted((a, b))) for a, used in uses.items() for b in used
                    if a in uses.get(b, set())})
    for a, b in pairs:
        print(f"FAIL: {a} and {b} include each other", file=sys.stderr)
    upward = sorted((a, b) for a, used in uses.items() for b in used
                    if layer(b) > layer(a))
    for a, b in upward:
        print(f"FAIL: {a} includes {b}, a layer above it", file=sys.stderr)
    if not pairs and not upward:
        print(f"no two of {len(uses)} modules include each other, none includes upward")
    return 1 if pairs or upward else 0


def layer(module):
    folder = module.split("/")[0]
    return LAYERS.index(folder) if folder in LAYERS else -1


if __name__ == "__main__":
    sys.exit(main())
