// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/BuildChoices.h"

#include "model/Units.h"

#include <cmath>

namespace tolvaric {

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
    const ChoiceRule& rule = ruleOf(choice);
    const double value = typed.value;
    if (rule.whole && value != std::floor(value)) {
        return {Kind::NotANumber, 0};
    }
    if (rule.needsUnit && !typed.unitGiven) {
        return {Kind::NoUnit, 0};
    }
    return value >= rule.lowest && value <= rule.highest ? ChoiceReading{Kind::Value, value}
                                                         : ChoiceReading{Kind::OutOfRange, 0};
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
