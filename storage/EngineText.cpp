// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/EngineText.h"

#include "model/DecimalReader.h"
#include "storage/ByteOrderMark.h"

#include <charconv>

namespace tolvaric {

namespace {

constexpr std::size_t longestItem = 4096;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::string quoted(std::string_view item) {
    constexpr std::size_t shown = 40;
    std::string text = "\"";
    text += item.substr(0, shown);
    if (item.size() > shown) {
        text += "...";
    }
    return text + "\"";
}

} // namespace

std::string engineFileText(const EngineData& engine) {
    std::string text;
    for (const auto& field : engineFields) {
        char buffer[64];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, engine.*field.member);
        for (char* c = buffer; c != written.ptr; ++c) {
            text += *c == 'e' ? 'E' : *c;
        }
        text += "\r\n";
    }
    return text;
}

namespace {

FileStatus failure(const std::string& why) {
    return FileStatus::failure(FileProblem::Content, QString::fromStdString(why));
}

} // namespace

FileStatus parseEngineText(std::string_view text, EngineData& result, bool truncated) {
    EngineData engine;
    text = withoutByteOrderMark(text);
    std::size_t at = 0;
    std::size_t count = 0;
    for (const auto& field : engineFields) {
        // Blank lines and blanks before an item are skipped.
        while (at < text.size() && (isBlank(text[at]) || isLineEnd(text[at]))) {
            ++at;
        }
        if (at == text.size()) {
            if (truncated) {
                return failure("the file is too long before its 16 values");
            }
            return failure("the file ends after " + std::to_string(count) + " of 16 values");
        }
        const auto start = at;
        while (at < text.size() && text[at] != ',' && !isLineEnd(text[at])) {
            ++at;
        }
        const auto item = text.substr(start, at - start);
        const auto number = std::to_string(count + 1);
        if (at == text.size() && truncated) {
            return failure("the file is too long before its 16 values");
        }
        if (item.size() > longestItem) {
            return failure("item " + number + " is too long");
        }
        const auto reading = readDecimal(item);
        if (reading.kind == DecimalReading::Kind::TooLarge) {
            return failure("item " + number + " is too large for a number: " + quoted(item));
        }
        if (reading.kind != DecimalReading::Kind::Number) {
            return failure(item.find_first_not_of(" \t") == std::string_view::npos
                               ? "item " + number + " is empty"
                               : "item " + number + " is not a number: " + quoted(item));
        }
        engine.*field.member = reading.value;
        ++count;
        if (at < text.size()) {
            ++at; // the comma or line end that closed the item
        }
    }
    result = engine;
    return FileStatus::success();
}

} // namespace tolvaric
