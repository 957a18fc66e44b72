// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Reads a plain decimal number, as typed into a box or stored in a data file:
// blanks around it, an optional sign, digits with an optional separator and
// fraction (".005" and "5." both read), an optional exponent with "E" or "e".
// No group separators, no words such as "inf".

#include <optional>
#include <string_view>

namespace tolvaric {

struct DecimalReading {
    enum class Kind { Number, NotANumber, TooLarge };
    Kind kind = Kind::NotANumber;
    double value = 0; // for a Number
};

// A value too small for a double reads as zero or the nearest subnormal;
// only one too large for a double is refused as such.
DecimalReading readDecimal(std::string_view text, std::string_view separator = ".");

// The value, or nothing when the text is not a number a double can hold.
std::optional<double> parseDecimal(std::string_view text, std::string_view separator = ".");

} // namespace tolvaric
