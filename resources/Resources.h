// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The icons and the default logo compiled into the program.

namespace tolvaric {

// Registers them; needed once, before the first use, by the program or a test.
void initResources();

} // namespace tolvaric
