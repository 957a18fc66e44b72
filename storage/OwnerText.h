// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The text of the owner file: the owner's name between double quotes, then
// CR LF. Plain C++; the name travels as UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace tolvaric {

// Line breaks inside the name are written as CR LF, like the file's own.
std::string ownerFileText(std::string_view ownerUtf8);

// The first item of the file: a quoted text runs to the next double quote
// (commas and line breaks included, each line break read as LF), an unquoted
// one to the first comma or line end. Bytes that are not valid UTF-8 are read
// as Windows-1252, as older Windows programs wrote them. `truncated` says that
// `text` is only the start of a longer file. Nothing when there is no item.
std::optional<std::string> parseOwnerText(std::string_view text, bool truncated = false);

bool isValidUtf8(std::string_view bytes);

} // namespace tolvaric
