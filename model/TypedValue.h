// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A value as typed into a box: a plain number in the field's own unit, or a
// number followed by a unit that the field's kind of quantity takes ("86.5mm",
// "64 cu in", "106°", "10.5:1"), converted to the field's unit. The text
// comes in plain notation: "." as separator, Latin digits, "-" and "+".

#include "model/DecimalReader.h"

#include <string_view>

namespace tolvaric {

enum class Quantity {
    Length,   // inches: in, inch, ", mm, cm
    Volume,   // cubic centimetres: cc, ml, cm3, cm³, ci, cu in, in3, in³
    Angle,    // crank degrees: °, deg
    Ratio,    // n to 1: ":1"
    Pressure, // psi gauge: a number alone
    Plain,    // a number alone
};

struct TypedReading {
    enum class Kind { Number, NotANumber, TooLarge, WrongUnit };
    Kind kind = Kind::NotANumber;
    double value = 0; // for a Number, in the field's unit
};

// Exact where the unit's definition is (1 in = 25.4 mm, 1 cu in = 16.387064
// cc): a number with up to 15 significant digits converts with one rounding.
TypedReading readTypedValue(std::string_view text, Quantity quantity);

} // namespace tolvaric
