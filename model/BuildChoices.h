// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What a builder may add to an engine's sheet: how many cylinders the
// engine has, the altitude it is cranked at and the boost it runs. Each
// is read from typed text with its unit ("6000ft", "1830m", "8psi",
// "0.55bar") and checked against its range, and each gives its figures.

#include "model/TypedValue.h"
#include "model/Units.h"

#include <array>
#include <cstddef>
#include <optional>

namespace tolvaric {

struct BuildChoices {
    std::optional<int> cylinders;
    std::optional<double> altitudeFeet;
    std::optional<double> boostPsi;
    bool any() const { return cylinders || altitudeFeet || boostPsi; }
};

enum class Choice { Cylinders, Altitude, Boost };

// What the program knows of a choice, one row each: what its text is read
// as, whether it must carry its unit or be a whole number, its range in
// its own unit (cylinders, feet, psi), and where its value goes. The words
// for it are in text/BuildChoiceText.cpp, a row each in the same order.
struct ChoiceRule {
    Choice choice;
    Quantity quantity;
    bool needsUnit;
    bool whole;
    double lowest;
    double highest;
    void (*keep)(BuildChoices& choices, double value);
};

inline constexpr std::array choiceRules{
    ChoiceRule{Choice::Cylinders, Quantity::Plain, false, true, 1, 64,
               [](BuildChoices& c, double v) { c.cylinders = int(v); }},
    // From below the Dead Sea's shore to above any road a car is cranked on;
    // the standard atmosphere's first layer reaches far beyond both.
    ChoiceRule{Choice::Altitude, Quantity::Altitude, true, false, -1500, 20000,
               [](BuildChoices& c, double v) { c.altitudeFeet = v; }},
    ChoiceRule{Choice::Boost, Quantity::Boost, true, false, 0, 60,
               [](BuildChoices& c, double v) { c.boostPsi = v; }},
};
inline constexpr std::size_t choiceCount = choiceRules.size();

constexpr bool rulesInChoiceOrder() {
    for (std::size_t i = 0; i < choiceCount; ++i) {
        if (std::size_t(choiceRules[i].choice) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rulesInChoiceOrder(), "a rule's place is its choice's number");

constexpr const ChoiceRule& ruleOf(Choice choice) {
    return choiceRules[std::size_t(choice)];
}

struct ChoiceReading {
    enum class Kind { Value, NotANumber, NoUnit, WrongUnit, OutOfRange };
    Kind kind = Kind::NotANumber;
    double value = 0; // for a Value: cylinders, feet or psi
};

// The typed value as that choice: cylinders a whole number without a unit,
// an altitude or a boost with its unit, each within its range.
ChoiceReading checkChoice(Choice choice, const TypedReading& typed);

// The air's pressure at an altitude in the 1976 U.S. Standard Atmosphere,
// in inches of mercury; 29.9213 at sea level.
double stationPressureInHg(double feet);
double seaLevelPressureInHg();

// The cranking pressure a gauge reads at that altitude: the sea-level
// prediction scaled by the station pressure, as a compression test is
// compared in the help.
double pressureAtAltitude(double seaLevelPsi, double feet);

// The air's pressure at an altitude, in psi.
double stationPressurePsi(double feet);

// A compression ratio as it acts with the intake pressed `boostPsi` above
// the air around it, a gauge's reading, whose pressure is `airPsi`:
// ratio x (air + boost) / 14.7. At sea level the air is the standard 14.7;
// up high it is the station pressure, and the same boost fills less.
double boostedRatio(double ratio, double boostPsi, double airPsi = atmospherePsi);

// The air a boost gauge reads above: the station pressure at the altitude
// chosen, or the standard 14.7 psi at sea level when none is.
double airAroundPsi(const BuildChoices& choices);

} // namespace tolvaric
