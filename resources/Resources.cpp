// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "resources/Resources.h"

#include <QtGlobal>

static void initTolvaricResources() {
    Q_INIT_RESOURCE(tolvaric);
}

namespace tolvaric {

void initResources() {
    // Registered once, whoever asks first: the program or a test.
    [[maybe_unused]] static const bool registered = (initTolvaricResources(), true);
}

} // namespace tolvaric
