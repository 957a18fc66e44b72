// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "Calculations.h"

#include "Checked.h"
#include "InverseTrig.h"

#include <cmath>

namespace tolvaric {

namespace {

// The steps below keep the order and the operands in which the builders'
// figures were always worked out; the order decides the last bits.

Checked pi() {
    const auto value = acos(-1);
    if (!value) {
        throw ComputationFailure{};
    }
    return *value;
}

Checked cubicCentimetresPerCubicInch() {
    return std::pow(2.54, 3.0);
}

// A cylinder of the given diameter and height, in cubic inches.
Checked cylinder(Checked diameter, Checked height, Checked pi) {
    return squared(diameter) * pi / 4 * height;
}

Checked sweptVolume(const EngineData& e, Checked pi) {
    return cylinder(e.Bore, e.Stroke, pi);
}

// Top land, deck, gasket and piston side: the clearance without the chamber.
Checked clearanceWithoutChamber(const EngineData& e, Checked pi) {
    const Checked topLand = (squared(e.Bore) - squared(Checked(e.Bore) - e.Top_Land_Allowance)) *
                            pi / 4 * e.Top_Land_Height;
    const Checked deck = cylinder(e.Bore, e.Deck_Clearance, pi);
    Checked sum = deck + topLand;
    const Checked gasket = cylinder(e.Gasket_Bore, e.Gasket_Thickness, pi);
    sum = gasket + sum;
    const Checked pistonSide =
        (Checked(e.Valve_Relief_Volume) - e.Dome_Volume) / cubicCentimetresPerCubicInch();
    return pistonSide + sum;
}

Checked clearanceVolume(const EngineData& e, Checked pi) {
    const Checked withoutChamber = clearanceWithoutChamber(e, pi);
    return Checked(e.Combustion_Chamber_Volume) / cubicCentimetresPerCubicInch() + withoutChamber;
}

template <typename Body> CalculationResult trapFailures(Body body) {
    try {
        return body();
    } catch (const ComputationFailure&) {
        return {Outcome::ComputationFailure, 0};
    }
}

CalculationResult success(Checked value) {
    return {Outcome::Success, value.value()};
}

} // namespace

CalculationResult compressionRatio(const EngineData& e) {
    return trapFailures([&]() -> CalculationResult {
        const Checked p = pi();
        const Checked swept = sweptVolume(e, p);
        const Checked clearance = clearanceVolume(e, p);
        if (clearance <= 0) {
            return {Outcome::ClearanceWarning, 0};
        }
        return success((swept + clearance) / clearance);
    });
}

CalculationResult requiredChamberVolume(const EngineData& e) {
    return trapFailures([&]() -> CalculationResult {
        const Checked p = pi();
        const Checked swept = sweptVolume(e, p);
        const Checked withoutChamber = clearanceWithoutChamber(e, p);
        if (e.Compression_Ratio == 1) {
            return {Outcome::RatioWarning, 0};
        }
        const Checked required = swept / (Checked(e.Compression_Ratio) - 1);
        return success(cubicCentimetresPerCubicInch() * (required - withoutChamber));
    });
}

CalculationResult cylinderPressure(const EngineData& e) {
    return trapFailures([&]() -> CalculationResult {
        const Checked p = pi();
        const Checked degreesPerRadian = Checked(180) / p;
        const Checked clearance = clearanceVolume(e, p);
        if (clearance <= 0) {
            return {Outcome::ClearanceWarning, 0};
        }
        // Crank angle after bottom dead centre at which the intake valve closes.
        const Checked closing =
            (Checked(e.Intake_Seat_Duration) / 2 + e.Intake_Centerline - 180) / degreesPerRadian;
        const Checked crankRadius = Checked(e.Stroke) / 2;
        const auto rodAngleValue = asin((sine(closing) * crankRadius / e.Rod_Length).value());
        if (!rodAngleValue) {
            throw ComputationFailure{};
        }
        const Checked rodAngle = *rodAngleValue;
        const Checked pistonDrop =
            (Checked(e.Rod_Length) + crankRadius) -
            (Checked(e.Rod_Length) * cosine(rodAngle) - crankRadius * cosine(closing));
        const Checked effectiveSwept = cylinder(e.Bore, pistonDrop, p);
        const Checked dynamicRatio =
            effectiveSwept /
                (Checked(e.Gage_Correction) / cubicCentimetresPerCubicInch() + clearance) +
            1;
        return success(power(dynamicRatio, 1.3) * 11.8 - 14.7);
    });
}

} // namespace tolvaric
