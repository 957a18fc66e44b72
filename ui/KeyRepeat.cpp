// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/KeyRepeat.h"

#include <QGuiApplication>

#if TOLVARIC_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace tolvaric {

void askForDetectableAutoRepeat() {
#if TOLVARIC_HAVE_XKB
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (Display* display = x11 ? x11->display() : nullptr) {
        Bool supported = False;
        XkbSetDetectableAutoRepeat(display, True, &supported);
    }
#endif
}

} // namespace tolvaric
