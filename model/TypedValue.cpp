// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/TypedValue.h"

#include "model/Units.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace tolvaric {

namespace {

// A unit as a ratio to the field's own unit: value x numerator / denominator.
struct Unit {
    std::string_view name; // as written in lower case ("cu in")
    Quantity quantity;
    std::uint64_t numerator;
    std::uint64_t denominator;
};

// clang-format off
constexpr std::array<Unit, 24> units{{
    {"in", Quantity::Length, 1, 1},
    {"inch", Quantity::Length, 1, 1},
    {"\"", Quantity::Length, 1, 1},
    {"mm", Quantity::Length, inchInMillimetres.denominator, inchInMillimetres.numerator},
    {"cm", Quantity::Length, inchInCentimetres.denominator, inchInCentimetres.numerator},
    {"cc", Quantity::Volume, 1, 1},
    {"ml", Quantity::Volume, 1, 1},
    {"cm3", Quantity::Volume, 1, 1},
    {"cm\u00B3", Quantity::Volume, 1, 1},
    {"ci", Quantity::Volume, cubicInchInCc.numerator, cubicInchInCc.denominator}, // 16.387064 cc
    {"cu in", Quantity::Volume, cubicInchInCc.numerator, cubicInchInCc.denominator},
    {"in3", Quantity::Volume, cubicInchInCc.numerator, cubicInchInCc.denominator},
    {"in\u00B3", Quantity::Volume, cubicInchInCc.numerator, cubicInchInCc.denominator},
    {"\u00B0", Quantity::Angle, 1, 1},
    {"deg", Quantity::Angle, 1, 1},
    {":1", Quantity::Ratio, 1, 1},
    {"ft", Quantity::Altitude, 1, 1},
    {"feet", Quantity::Altitude, 1, 1},
    {"m", Quantity::Altitude, metreInFeet.numerator, metreInFeet.denominator},
    {"psi", Quantity::Boost, 1, 1},
    {"psig", Quantity::Boost, 1, 1}, // as boost gauges are marked
    {"bar", Quantity::Boost, barInPsi.numerator, barInPsi.denominator},
    {"kpa", Quantity::Boost, kilopascalInPsi.numerator, kilopascalInPsi.denominator},
    {"", Quantity::Plain, 1, 1},
}};
// clang-format on

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
}

// A unit's name in lower case without blanks: "Cu  In" and "cu in" alike.
std::string foldedUnit(std::string_view text) {
    std::string folded;
    for (const char c : text) {
        if (!isBlank(c)) {
            folded += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        }
    }
    return folded;
}

// The number as digits x 10^power, when its digits fit in 53 bits.
struct ExactDecimal {
    std::uint64_t digits = 0;
    int power = 0;
};

std::optional<ExactDecimal> exactDecimal(std::string_view number) {
    constexpr std::uint64_t limit = std::uint64_t(1) << 53;
    ExactDecimal exact;
    bool fraction = false;
    std::size_t i = number.find_first_not_of("+-");
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            fraction = true;
            continue;
        }
        if (exact.digits > (limit - 9) / 10) {
            return std::nullopt;
        }
        exact.digits = exact.digits * 10 + std::uint64_t(number[i] - '0');
        exact.power -= fraction ? 1 : 0;
    }
    if (i < number.size()) {
        int exponent = 0;
        const auto signAt = i + 1;
        for (std::size_t k = signAt; k < number.size(); ++k) {
            if (number[k] >= '0' && number[k] <= '9') {
                if (exponent > 1000) {
                    return std::nullopt;
                }
                exponent = exponent * 10 + (number[k] - '0');
            }
        }
        exact.power += signAt < number.size() && number[signAt] == '-' ? -exponent : exponent;
    }
    return exact;
}

// digits x 10^power x numerator / denominator with a single rounding, where
// every factor is an integer a double holds exactly.
std::optional<double> exactlyConverted(const ExactDecimal& exact, const Unit& unit) {
    constexpr double limit = 9007199254740992.0; // 2^53
    double top = double(exact.digits) * double(unit.numerator);
    double bottom = double(unit.denominator);
    for (int p = exact.power; p > 0; --p) {
        top *= 10;
    }
    for (int p = exact.power; p < 0; ++p) {
        bottom *= 10;
    }
    if (top >= limit || bottom >= limit) {
        return std::nullopt;
    }
    return top / bottom;
}

const Unit& unitNamed(std::string_view name) {
    for (const auto& unit : units) {
        if (unit.name == name) {
            return unit;
        }
    }
    return units.back(); // the plain number's
}

} // namespace

std::vector<std::string_view> unitNames(Quantity quantity) {
    std::vector<std::string_view> names;
    for (const auto& unit : units) {
        if (unit.quantity == quantity && !unit.name.empty()) {
            names.push_back(unit.name);
        }
    }
    return names;
}

TypedReading readTypedValue(std::string_view text, Quantity quantity, UnitSystem system) {
    using Kind = TypedReading::Kind;
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    std::size_t numberEnd = 0;
    while (numberEnd < text.size() && isNumberCharacter(text[numberEnd])) {
        ++numberEnd;
    }
    const auto number = text.substr(0, numberEnd);
    const std::string unitName = foldedUnit(text.substr(numberEnd));
    const Unit* unit = nullptr;
    for (const auto& candidate : units) {
        if (foldedUnit(candidate.name) == unitName) {
            unit = &candidate;
        }
    }
    const auto reading = readDecimal(number);
    if (!unit || reading.kind == DecimalReading::Kind::NotANumber) {
        return {Kind::NotANumber, 0};
    }
    if (unit->quantity != quantity && unit->quantity != Quantity::Plain) {
        return {Kind::WrongUnit, 0};
    }
    const bool unitGiven = unit->quantity != Quantity::Plain;
    if (unit->quantity == Quantity::Plain && quantity == Quantity::Length &&
        system == UnitSystem::Metric) {
        unit = &unitNamed("mm");
    }
    if (reading.kind == DecimalReading::Kind::TooLarge) {
        return {Kind::TooLarge, 0};
    }
    if (unit->numerator == unit->denominator) {
        return {Kind::Number, reading.value, unitGiven}; // the field's own unit: as typed
    }
    const auto exact = exactDecimal(number);
    auto converted = exact ? exactlyConverted(*exact, *unit) : std::nullopt;
    // Otherwise in the wider type, so that a value near the largest double
    // does not overflow on the way to a smaller one.
    double value = converted ? (std::signbit(reading.value) ? -*converted : *converted)
                             : double(static_cast<long double>(reading.value) *
                                      static_cast<long double>(unit->numerator) /
                                      static_cast<long double>(unit->denominator));
    if (!std::isfinite(value)) {
        return {Kind::TooLarge, 0};
    }
    return {Kind::Number, value, unitGiven};
}

} // namespace tolvaric
