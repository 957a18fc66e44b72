// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// tolvaric itself, ending at its first paint.
#include "bench/FirstPaint.h"
#include "ui/Application.h"

int main(int argc, char* argv[]) {
    return tolvaric::runTolvaric(argc, argv, [](QWidget& window) { new FirstPaint(window); });
}
