// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A value as typed into a box: a plain number in the field's own unit, or a
// number followed by a unit that the field's kind of quantity takes ("86.5mm",
// "64 cu in", "106°", "10.5:1"), converted to the field's unit. The text
// comes in plain notation: "." as separator, Latin digits, "-" and "+".

#include "model/DecimalReader.h"

#include <string_view>
#include <vector>

namespace tolvaric {

// What a field holds; the units each takes are in one table (unitNames).
enum class Quantity {
    Length,   // inches
    Volume,   // cubic centimetres
    Angle,    // crank degrees
    Ratio,    // n to 1
    Pressure, // psi gauge: a number alone
    Plain,    // a number alone
    Altitude, // feet above sea level: the sheet's altitude
    Boost,    // psi above the atmosphere: the sheet's boost
};

// The units a quantity takes, as the user writes them ("cu in"), in the
// table's order. Letters may be typed in any case, blanks anywhere.
std::vector<std::string_view> unitNames(Quantity quantity);

// The units the window shows and takes plain numbers in: the record's own
// (inches, psi), or lengths in millimetres and the pressure in bar.
enum class UnitSystem { Inch, Metric };

struct TypedReading {
    enum class Kind { Number, NotANumber, TooLarge, WrongUnit };
    Kind kind = Kind::NotANumber;
    double value = 0;       // for a Number, in the field's unit
    bool unitGiven = false; // a unit followed the number
};

// Exact where the unit's definition is (1 in = 25.4 mm, 1 cu in = 16.387064
// cc): a number with up to 15 significant digits converts with one rounding.
// In the metric window a plain number in a length box is millimetres.
TypedReading readTypedValue(std::string_view text, Quantity quantity,
                            UnitSystem system = UnitSystem::Inch);

} // namespace tolvaric
