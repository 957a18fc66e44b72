// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What the window's seven buttons ask for: a calculation, which the window
// runs on the session itself, or a command on the session and its files,
// which SessionCommands carries out.

#include <variant>

namespace tolvaric {

enum class Calculation { Ratio, Volume, Pressure };
enum class Command { Fetch, Save, Help, Quit };
using ButtonAction = std::variant<Calculation, Command>;

} // namespace tolvaric
