// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// tolvaric: compression ratio, chamber volume and cranking pressure for one
// cylinder of a piston engine.

#include "ui/Application.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>

namespace {

// Without a display Qt would abort with a long message; say it in one line.
bool displayAvailable() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("tolvaric: no display to open its window on; run it on a desktop, or set "
                   "DISPLAY (for example start Xvfb :99 and use DISPLAY=:99).\n",
                   stderr);
        return 1;
    }
    if (argc == 2 && std::strcmp(argv[1], tolvaric::helpViewerOption) == 0) {
        return tolvaric::runHelpViewer(argc, argv);
    }
    return tolvaric::runTolvaric(argc, argv);
}
