// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/DecimalReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tolvaric {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An exponent far beyond any double's range is held at this size, so that
// a thousand-digit exponent cannot overflow the count (in 64 bits: a long
// has only 32 on Windows).
constexpr long long exponentCap = 1'000'000'000;

} // namespace

DecimalReading readDecimal(std::string_view text, std::string_view separator) {
    using Kind = DecimalReading::Kind;
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Rebuild the number in the form from_chars reads, with "." as separator.
    std::string plain;
    std::size_t i = 0;
    std::size_t integerDigits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++integerDigits) {
        plain += text[i];
    }
    std::size_t fractionDigits = 0;
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        plain += '.';
        for (i += separator.size(); i < text.size() && isDigit(text[i]); ++i, ++fractionDigits) {
            plain += text[i];
        }
    }
    if (integerDigits + fractionDigits == 0) {
        return {};
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
            negativeExponent = text[i] == '-';
            plain += text[i++];
        }
        const auto exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            plain += text[i];
            exponent = std::min(exponent * 10 + (text[i] - '0'), exponentCap);
        }
        if (i == exponentStart) {
            return {};
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) {
        return {};
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (end != plain.data() + plain.size()) {
        return {};
    }
    if (error == std::errc::result_out_of_range) {
        // Which way it left the range: the power of ten of the first digit
        // that is not zero. Below zero the number is tiny, and reads as zero.
        const auto first = plain.find_first_of("123456789");
        const auto firstIndex = static_cast<long long>(first > integerDigits ? first - 1 : first);
        const long long magnitude =
            static_cast<long long>(integerDigits) - 1 - firstIndex + exponent;
        if (magnitude >= 0) {
            return {Kind::TooLarge, 0};
        }
        value = 0;
    } else if (error != std::errc() || !std::isfinite(value)) {
        return {};
    }
    return {Kind::Number, negative ? -value : value};
}

std::optional<double> parseDecimal(std::string_view text, std::string_view separator) {
    const auto reading = readDecimal(text, separator);
    if (reading.kind != DecimalReading::Kind::Number) {
        return std::nullopt;
    }
    return reading.value;
}

} // namespace tolvaric
