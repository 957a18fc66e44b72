// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The seven things the window's buttons ask for.

namespace tolvaric {

enum class Command { Volume, Ratio, Pressure, Fetch, Save, Help, Quit };

} // namespace tolvaric
