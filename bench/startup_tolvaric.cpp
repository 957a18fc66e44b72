// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// tolvaric itself, ending at its first paint.
#include "bench/FirstPaint.h"
#include "ui/Application.h"

#include <cstring>

int main(int argc, char* argv[]) {
    // "--metric": the window in millimetres and bar.
    const bool metric = argc > 1 && std::strcmp(argv[argc - 1], "--metric") == 0;
    int qtArgc = 1;
    return tolvaric::runTolvaric(qtArgc, argv,
                                 metric ? tolvaric::UnitSystem::Metric : tolvaric::UnitSystem::Inch,
                                 [](QWidget& window) { new FirstPaint(window); });
}
