// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The text of an engine data file: sixteen numbers in record order, one per
// line, CR LF after each. Plain C++ so that it can be fuzzed and tested alone.

#include "model/EngineData.h"

#include <string>
#include <string_view>
#include <variant>

namespace tolvaric {

// The shortest form of each value that reads back bit for bit ("4", "3.75",
// "0.005", "1E+200").
std::string engineFileText(const EngineData& engine);

// Reads sixteen items separated by commas or line ends (CR LF, LF or CR);
// what follows the sixteenth is ignored. `truncated` says that `text` is only
// the start of a longer file. Gives the record or the reason it can't.
std::variant<EngineData, std::string> parseEngineText(std::string_view text,
                                                      bool truncated = false);

} // namespace tolvaric
