// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/BuildChoices.h"

#include "model/Units.h"

#include <cmath>

namespace tolvaric {

namespace {

// The 1976 U.S. Standard Atmosphere below 11 km: sea-level pressure and
// temperature, the temperature's lapse rate, and the exponent g0 M / (R L).
constexpr double seaLevelPascals = 101325;
constexpr double seaLevelKelvin = 288.15;
constexpr double lapseKelvinPerMetre = 0.0065;
constexpr double pressureExponent = 5.25588;
// Pascals in an inch of mercury at 0 degrees C (NIST SP 811).
constexpr double pascalsPerInHg = 3386.389;

} // namespace

Quantity quantityOf(Choice choice) {
    switch (choice) {
    case Choice::Cylinders:
        return Quantity::Plain;
    case Choice::Altitude:
        return Quantity::Altitude;
    case Choice::Boost:
        return Quantity::Boost;
    }
    return Quantity::Plain;
}

ChoiceReading checkChoice(Choice choice, const TypedReading& typed) {
    using Kind = ChoiceReading::Kind;
    switch (typed.kind) {
    case TypedReading::Kind::Number:
        break;
    case TypedReading::Kind::WrongUnit:
        return {Kind::WrongUnit, 0};
    case TypedReading::Kind::TooLarge:
        return {Kind::OutOfRange, 0};
    case TypedReading::Kind::NotANumber:
        return {Kind::NotANumber, 0};
    }
    const double value = typed.value;
    switch (choice) {
    case Choice::Cylinders:
        if (value != std::floor(value)) {
            return {Kind::NotANumber, 0};
        }
        return value >= fewestCylinders && value <= mostCylinders
                   ? ChoiceReading{Kind::Value, value}
                   : ChoiceReading{Kind::OutOfRange, 0};
    case Choice::Altitude:
        if (!typed.unitGiven) {
            return {Kind::NoUnit, 0};
        }
        return value >= lowestAltitudeFeet && value <= highestAltitudeFeet
                   ? ChoiceReading{Kind::Value, value}
                   : ChoiceReading{Kind::OutOfRange, 0};
    case Choice::Boost:
        if (!typed.unitGiven) {
            return {Kind::NoUnit, 0};
        }
        return value >= 0 && value <= mostBoostPsi ? ChoiceReading{Kind::Value, value}
                                                   : ChoiceReading{Kind::OutOfRange, 0};
    }
    return {Kind::NotANumber, 0};
}

double seaLevelPressureInHg() {
    return seaLevelPascals / pascalsPerInHg;
}

double stationPressureInHg(double feet) {
    const double metres = feet * 0.3048;
    return seaLevelPressureInHg() *
           std::pow(1 - lapseKelvinPerMetre * metres / seaLevelKelvin, pressureExponent);
}

double pressureAtAltitude(double seaLevelPsi, double feet) {
    return seaLevelPsi * stationPressureInHg(feet) / seaLevelPressureInHg();
}

double stationPressurePsi(double feet) {
    return stationPressureInHg(feet) * pascalsPerInHg / pascalsPerPsi;
}

double airAroundPsi(const BuildChoices& choices) {
    return choices.altitudeFeet ? stationPressurePsi(*choices.altitudeFeet) : standardAtmospherePsi;
}

double boostedRatio(double ratio, double boostPsi, double airPsi) {
    return ratio * (airPsi + boostPsi) / standardAtmospherePsi;
}

} // namespace tolvaric
