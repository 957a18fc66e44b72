// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The text of an engine data file: sixteen numbers in record order, one per
// line, CR LF after each. Plain C++ so that it can be fuzzed and tested alone.

#include "model/EngineData.h"
#include "storage/FileStatus.h"

#include <string>
#include <string_view>

namespace tolvaric {

// The shortest form of each value that reads back bit for bit ("4", "3.75",
// "0.005", "1E+200").
std::string engineFileText(const EngineData& engine);

// Reads sixteen items separated by commas or line ends (CR LF, LF or CR)
// into `engine`, all or nothing; what follows the sixteenth is ignored.
// `truncated` says that `text` is only the start of a longer file.
FileStatus parseEngineText(std::string_view text, EngineData& engine, bool truncated = false);

} // namespace tolvaric
