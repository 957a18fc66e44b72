// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/DisplayPicture.h"

#include "model/Units.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tolvaric {

int pictureDecimals(Picture picture) {
    switch (picture) {
    case Picture::ThreeDecimals:
    case Picture::ThreeDecimalsNoDigit:
        return 3;
    case Picture::OneDecimal:
        return 1;
    case Picture::TwoDecimals:
    case Picture::TwoDecimalsWide:
        return 2;
    }
    return 0;
}

namespace {

// The shortest decimal digits that read back as the same double, with the
// power of ten of the first digit: value = d0.d1d2... x 10^exponent.
struct ShortestDigits {
    std::string digits;
    int exponent = 0;
};

ShortestDigits shortestDigits(double magnitude) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto e = text.find('e');
    ShortestDigits result;
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            result.digits += c;
        }
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    result.exponent);
    return result;
}

// Six significant digits and an exponent, raised by `exponentShift`.
std::string scientific(double value, int exponentShift, std::string_view separator) {
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 5);
    std::string text(buffer, written.ptr);
    if (exponentShift != 0) {
        const auto e = text.find('e');
        int exponent = 0;
        std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0),
                        text.data() + text.size(), exponent);
        exponent += exponentShift;
        text.resize(e + 1);
        text += exponent < 0 ? '-' : '+';
        text += std::to_string(std::abs(exponent));
    }
    text.replace(text.find('.'), 1, separator);
    return text;
}

} // namespace

std::string formatFigure(double value, int decimals, std::string_view separator) {
    if (std::isfinite(value) && std::fabs(value) >= 1e12) {
        return scientific(value, 0, separator);
    }
    return formatFixed(value, decimals, separator, true);
}

std::string formatForBox(double value, Quantity quantity, Picture picture, UnitSystem system,
                         std::string_view separator) {
    if (system == UnitSystem::Metric && quantity == Quantity::Length) {
        // Beyond about 7e306 in, millimetres overflow a double: the digits
        // of the inches, a hundred times smaller, the exponent put right.
        const double millimetres = value * millimetresPerInch;
        if (std::isinf(millimetres) && std::isfinite(value)) {
            return scientific(value / 100 * millimetresPerInch, 2, separator);
        }
        return formatFixed(millimetres, 2, separator, true);
    }
    if (system == UnitSystem::Metric && quantity == Quantity::Pressure) {
        return formatFixed(psiToBar(value), 3, separator, true);
    }
    return formatPicture(value, picture, separator);
}

std::string formatPicture(double value, Picture picture, std::string_view separator) {
    return formatFixed(value, pictureDecimals(picture), separator);
}

std::string formatFixed(double value, int decimals, std::string_view separator,
                        bool zeroBeforeSeparator) {
    if (!std::isfinite(value)) {
        return {};
    }
    std::string digits;
    int exponent = 0;
    if (value != 0) {
        auto shortest = shortestDigits(std::fabs(value));
        digits = std::move(shortest.digits);
        exponent = shortest.exponent;
    }
    // Keep the digits down to the last decimal shown, rounding half away from zero.
    const long kept = static_cast<long>(exponent) + decimals + 1;
    if (kept < 0) {
        digits.clear();
    } else if (static_cast<std::size_t>(kept) < digits.size()) {
        const bool roundUp = digits[static_cast<std::size_t>(kept)] >= '5';
        digits.resize(static_cast<std::size_t>(kept));
        if (roundUp) {
            auto i = digits.size();
            while (i > 0 && digits[i - 1] == '9') {
                digits[--i] = '0';
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++exponent;
            } else {
                ++digits[i - 1];
            }
        }
    }
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    // digits[i] carries the weight 10^(exponent - i).
    auto digitAt = [&](long weight) {
        const long index = exponent - weight;
        return index >= 0 && static_cast<std::size_t>(index) < digits.size()
                   ? digits[static_cast<std::size_t>(index)]
                   : '0';
    };
    std::string text;
    if (value < 0 && !isZero) {
        text += '-';
    }
    if (!isZero && exponent >= 0) {
        for (long weight = exponent; weight >= 0; --weight) {
            text += digitAt(weight);
        }
    } else if (zeroBeforeSeparator) {
        text += '0';
    }
    if (decimals == 0) {
        return text.empty() ? "0" : text; // a count: no separator after it
    }
    text += separator;
    for (long weight = -1; weight >= -decimals; --weight) {
        text += digitAt(weight);
    }
    return text;
}

} // namespace tolvaric
