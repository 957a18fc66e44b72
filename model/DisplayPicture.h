// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Numeric display pictures, as the boxes show values: every integer digit, no
// zero before the separator, a fixed number of decimals, no grouping, no
// exponent. The caller supplies the decimal separator (the user's locale).

#include "model/TypedValue.h"

#include <string>
#include <string_view>

namespace tolvaric {

enum class Picture {
    ThreeDecimals,        // "#.000"
    ThreeDecimalsNoDigit, // ".000" (behaves like "#.000")
    OneDecimal,           // "###.0"
    TwoDecimals,          // "##.00"
    TwoDecimalsWide,      // "###.00"
};

int pictureDecimals(Picture picture);

// The one rounding of every figure the program shows, in a box or on a
// sheet: `decimals` decimals; a value exactly halfway, judged on its
// shortest round-trip decimal text, rounds away from zero; a value that
// rounds to zero never shows a "-". A non-finite value gives an empty text.
// The boxes write no zero before the separator (".005"); a sheet does.
std::string formatFixed(double value, int decimals, std::string_view separator = ".",
                        bool zeroBeforeSeparator = false);

// A figure on a sheet: formatFixed with a zero before the separator; a
// value of a thousand billion or more, which no engine has, in six
// significant digits and an exponent ("1.00000e+150") so a sheet stays narrow.
std::string formatFigure(double value, int decimals, std::string_view separator = ".");

// As a box shows its field's value (in the record's unit): its picture, or
// in the metric window a length in millimetres with two decimals
// ("101.60 mm") and the pressure in bar with three ("7.802 bar").
std::string formatForBox(double value, Quantity quantity, Picture picture, UnitSystem system,
                         std::string_view separator = ".");

// As the boxes show a value: formatFixed with the picture's decimals.
std::string formatPicture(double value, Picture picture, std::string_view separator = ".");

} // namespace tolvaric
