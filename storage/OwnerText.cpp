// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/OwnerText.h"

#include "storage/ByteOrderMark.h"

#include <array>
#include <cstdint>

namespace tolvaric {

std::string ownerFileText(std::string_view ownerUtf8) {
    // Every line of the file ends with CR LF, those inside the name too.
    std::string text = "\"";
    for (std::size_t i = 0; i < ownerUtf8.size(); ++i) {
        const char c = ownerUtf8[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            if (c == '\r' && i + 1 < ownerUtf8.size() && ownerUtf8[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += c;
        }
    }
    text += "\"\r\n";
    return text;
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

namespace {

void appendUtf8(std::string& text, std::uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string windows1252ToUtf8(std::string_view bytes) {
    // 0x80 to 0x9F differ from Latin-1; the five unassigned ones stay as C1 codes.
    static constexpr std::array<std::uint16_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        appendUtf8(text, byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : byte);
    }
    return text;
}

} // namespace

namespace {

// The owner box knows only LF between lines.
std::string withLineFeeds(std::string_view item) {
    std::string text;
    text.reserve(item.size());
    for (std::size_t i = 0; i < item.size(); ++i) {
        if (item[i] == '\r') {
            text += '\n';
            if (i + 1 < item.size() && item[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += item[i];
        }
    }
    return text;
}

// A text cut at a size limit may end inside a character; drop that part.
std::string_view withoutCutCharacter(std::string_view item) {
    for (std::size_t cut = 1; cut <= 3 && cut <= item.size(); ++cut) {
        const auto byte = static_cast<std::uint8_t>(item[item.size() - cut]);
        if ((byte & 0xC0) != 0x80) {
            const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > cut ? item.substr(0, item.size() - cut) : item;
        }
    }
    return item;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string text;
    auto unitAt = [&](std::size_t i) -> std::uint32_t {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unitAt(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size() && unitAt(i + 2) >= 0xDC00 &&
            unitAt(i + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
            i += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD; // half a pair
        }
        appendUtf8(text, code);
    }
    return text;
}

} // namespace

std::optional<std::string> parseOwnerText(std::string_view text, bool truncated) {
    // Notepad's "Unicode" is UTF-16 with a byte-order mark.
    if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF") {
        const auto utf8 = utf16ToUtf8(text.substr(2), text[0] == '\xFE');
        return parseOwnerText(utf8, truncated);
    }
    text = withoutByteOrderMark(text);
    // Only blanks come before the item: a line end there ends an empty one.
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    std::string_view item;
    if (text[at] == '"') {
        const auto close = text.find('"', at + 1);
        item = text.substr(at + 1, close == std::string_view::npos ? std::string_view::npos
                                                                   : close - at - 1);
        if (close == std::string_view::npos) {
            // Never closed: the file's own last line end is not part of the name.
            while (!item.empty() && (item.back() == '\r' || item.back() == '\n')) {
                item.remove_suffix(1);
            }
            if (truncated) {
                item = withoutCutCharacter(item);
            }
        }
    } else {
        const auto end = text.find_first_of(",\r\n", at);
        item = text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) {
            item.remove_suffix(1);
        }
    }
    return withLineFeeds(isValidUtf8(item) ? std::string(item) : windows1252ToUtf8(item));
}

} // namespace tolvaric
