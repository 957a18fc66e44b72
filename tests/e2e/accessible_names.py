# SPDX-FileCopyrightText: 2026 The tolvaric developers
# SPDX-License-Identifier: MIT

"""Reads tolvaric's window from the accessibility bus, as a screen reader does,
and checks that every field box is named by its label's caption and that the
owner box has a name."""

import sys
import time

import pyatspi


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"FAIL: no application named {name!r} on the accessibility bus")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


app = find_application("tolvaric")
nodes = list(walk(app))
captions = [n.name[:-1] for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name.endswith(":")]
texts = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_TEXT]
if len(captions) != 16:
    sys.exit(f"FAIL: {len(captions)} field labels found, not 16: {captions}")
unnamed = [c for c in captions if c not in texts]
if unnamed:
    sys.exit(f"FAIL: no box is named {unnamed}; the text boxes are named {texts}")
if "Owner" not in texts:
    sys.exit(f"FAIL: the owner box has no name; the text boxes are named {texts}")
print(f"accessible names: {len(captions)} field boxes and the owner box")
