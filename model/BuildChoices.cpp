// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/BuildChoices.h"

#include "model/Units.h"

#include <cmath>

namespace tolvaric {

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
    return standardAtmosphere::seaLevelPascals / pascalsPerInHg;
}

double stationPressureInHg(double feet) {
    using namespace standardAtmosphere;
    const double metres = feet * valueOf(footInMetres);
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
    return choices.altitudeFeet ? stationPressurePsi(*choices.altitudeFeet) : atmospherePsi;
}

double boostedRatio(double ratio, double boostPsi, double airPsi) {
    return ratio * (airPsi + boostPsi) / atmospherePsi;
}

} // namespace tolvaric
