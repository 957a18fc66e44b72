// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Windows editors start a UTF-8 file with a byte-order mark; the readers skip
// one so that a file saved from Notepad reads as it looks.

#include <string_view>

namespace tolvaric {

inline std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return text.substr(text.substr(0, mark.size()) == mark ? mark.size() : 0);
}

} // namespace tolvaric
