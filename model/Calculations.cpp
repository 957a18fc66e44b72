// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/Calculations.h"

#include "model/Checked.h"
#include "model/InverseTrig.h"
#include "model/Units.h"

#include <cmath>

namespace tolvaric {

namespace {

// The steps below keep the order and the operands in which the builders'
// figures were always worked out; the order decides the last bits.

Checked ccPerCubicInch() {
    return cubicCentimetresPerCubicInch();
}

// A cylinder of the given diameter and height, in cubic inches.
Checked cylinder(Checked diameter, Checked height, Checked pi) {
    return squared(diameter) * pi / 4 * height;
}

Checked sweptVolume(const EngineData& e, Checked pi) {
    return cylinder(e.Bore, e.Stroke, pi);
}

// The clearance volume's parts, and their sums in the order the figures were
// always added up: deck, top land, gasket, piston side, then the chamber.
struct ClearanceSteps {
    Checked chamber, topLand, deck, gasket, pistonSide, withoutChamber, total;
};

ClearanceSteps clearanceSteps(const EngineData& e, Checked pi) {
    const Checked topLand = (squared(e.Bore) - squared(Checked(e.Bore) - e.Top_Land_Allowance)) *
                            pi / 4 * e.Top_Land_Height;
    const Checked deck = cylinder(e.Bore, e.Deck_Clearance, pi);
    Checked sum = deck + topLand;
    const Checked gasket = cylinder(e.Gasket_Bore, e.Gasket_Thickness, pi);
    sum = gasket + sum;
    const Checked pistonSide = (Checked(e.Valve_Relief_Volume) - e.Dome_Volume) / ccPerCubicInch();
    const Checked withoutChamber = pistonSide + sum;
    const Checked chamber = Checked(e.Combustion_Chamber_Volume) / ccPerCubicInch();
    return {chamber, topLand, deck, gasket, pistonSide, withoutChamber, chamber + withoutChamber};
}

// Top land, deck, gasket and piston side: the clearance without the chamber.
Checked clearanceWithoutChamber(const EngineData& e, Checked pi) {
    return clearanceSteps(e, pi).withoutChamber;
}

Checked clearanceVolume(const EngineData& e, Checked pi) {
    return clearanceSteps(e, pi).total;
}

constexpr CalculationResult failure{Outcome::ComputationFailure, 0};

CalculationResult outcomeOf(Checked value) {
    return value.failed() ? failure : CalculationResult{Outcome::Success, value.value()};
}

} // namespace

// A failed step decides before any warning does.

CalculationResult compressionRatio(const EngineData& e) {
    const Checked p = pi;
    const Checked swept = sweptVolume(e, p);
    const Checked clearance = clearanceVolume(e, p);
    if (swept.failed() || clearance.failed()) {
        return failure;
    }
    if (clearance.value() <= 0) {
        return {Outcome::ClearanceWarning, 0};
    }
    return outcomeOf((swept + clearance) / clearance);
}

CalculationResult requiredChamberVolume(const EngineData& e) {
    const Checked p = pi;
    const Checked swept = sweptVolume(e, p);
    const Checked withoutChamber = clearanceWithoutChamber(e, p);
    if (swept.failed() || withoutChamber.failed()) {
        return failure;
    }
    if (e.Compression_Ratio == 1) {
        return {Outcome::RatioWarning, 0};
    }
    const Checked required = swept / (Checked(e.Compression_Ratio) - 1);
    return outcomeOf(ccPerCubicInch() * (required - withoutChamber));
}

namespace {

// The cranking pressure, psi gauge, that a dynamic ratio gives.
Checked crankingPressureOf(Checked dynamicRatio) {
    return power(dynamicRatio, 1.3) * 11.8 - atmospherePsi; // gauge: above the air
}

} // namespace

CalculationResult crankingPressureFor(double dynamicRatio) {
    const Checked pressure = crankingPressureOf(dynamicRatio);
    return pressure.failed() ? CalculationResult{Outcome::ComputationFailure, 0}
                             : CalculationResult{Outcome::Success, pressure.value()};
}

PressureSteps cylinderPressureSteps(const EngineData& e) {
    PressureSteps steps;
    const Checked p = pi;
    const Checked degreesPerRadian = Checked(180) / p;
    const Checked clearance = clearanceVolume(e, p);
    // Crank angle after bottom dead centre at which the intake valve closes,
    // and the piston's travel left then: the cam, the rod and the stroke
    // alone, known whatever the clearance.
    const Checked closingDegrees = Checked(e.Intake_Seat_Duration) / 2 + e.Intake_Centerline - 180;
    const Checked closing = closingDegrees / degreesPerRadian;
    const Checked crankRadius = Checked(e.Stroke) / 2;
    const Checked rodSine = sine(closing) * crankRadius / e.Rod_Length;
    const auto rodAngleValue = rodSine.failed() ? std::nullopt : asin(rodSine.value());
    const Checked pistonDrop = rodAngleValue
                                   ? (Checked(e.Rod_Length) + crankRadius) -
                                         (Checked(e.Rod_Length) * cosine(Checked(*rodAngleValue)) -
                                          crankRadius * cosine(closing))
                                   : Checked::failure();
    if (!closingDegrees.failed() && !pistonDrop.failed()) {
        steps.strokeKnown = true;
        steps.closingDegrees = closingDegrees.value();
        steps.effectiveStroke = pistonDrop.value();
    }
    // The window's order: the clearance is judged first.
    if (degreesPerRadian.failed() || clearance.failed()) {
        steps.outcome = Outcome::ComputationFailure;
        return steps;
    }
    if (clearance.value() <= 0) {
        steps.outcome = Outcome::ClearanceWarning;
        return steps;
    }
    if (!rodAngleValue) {
        steps.outcome = Outcome::ComputationFailure;
        return steps;
    }
    const Checked effectiveSwept = cylinder(e.Bore, pistonDrop, p);
    const Checked dynamicRatio =
        effectiveSwept / (Checked(e.Gage_Correction) / ccPerCubicInch() + clearance) + 1;
    const Checked pressure = crankingPressureOf(dynamicRatio);
    if (pressure.failed()) {
        steps.outcome = Outcome::ComputationFailure;
        return steps;
    }
    steps.dynamicRatio = dynamicRatio.value();
    steps.pressure = pressure.value();
    return steps;
}

CalculationResult cylinderPressure(const EngineData& e) {
    const auto steps = cylinderPressureSteps(e);
    return steps.outcome == Outcome::Success ? CalculationResult{Outcome::Success, steps.pressure}
                                             : CalculationResult{steps.outcome, 0};
}

ClearanceParts clearanceParts(const EngineData& e) {
    const Checked p = pi;
    const auto steps = clearanceSteps(e, p);
    const Checked swept = sweptVolume(e, p);
    ClearanceParts parts;
    for (const Checked& step : {steps.chamber, steps.topLand, steps.deck, steps.gasket,
                                steps.pistonSide, steps.withoutChamber, steps.total, swept}) {
        parts.failed = parts.failed || step.failed();
    }
    if (!parts.failed) {
        parts = {false,
                 steps.chamber.value(),
                 steps.topLand.value(),
                 steps.deck.value(),
                 steps.gasket.value(),
                 steps.pistonSide.value(),
                 steps.withoutChamber.value(),
                 steps.total.value(),
                 swept.value()};
    }
    return parts;
}

} // namespace tolvaric
