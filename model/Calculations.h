// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The three calculations over the engine record. Each reads only the record
// and returns its result or the reason there is none; the caller stores the
// result and shows it, or shows the outcome's message.

#include "model/EngineData.h"
#include "model/Outcome.h"

namespace tolvaric {

struct CalculationResult {
    Outcome outcome = Outcome::Success;
    double value = 0; // meaningful only on success

    bool succeeded() const { return outcome == Outcome::Success; }
};

// Static compression ratio (swept + clearance) / clearance.
CalculationResult compressionRatio(const EngineData& engine);

// Chamber volume in cc that gives the record's Compression_Ratio.
CalculationResult requiredChamberVolume(const EngineData& engine);

// Cranking pressure in psi gauge from the dynamic ratio at intake closing.
CalculationResult cylinderPressure(const EngineData& engine);

// The figures the calculations work with, evaluated exactly as they evaluate
// them, for the engine sheet. Volumes in cubic inches. `failed` where a step
// overflowed, divided by zero or was invalid.
struct ClearanceParts {
    bool failed = false;
    double chamber = 0; // the chamber's cubic centimetres in cubic inches
    double topLand = 0;
    double deck = 0;
    double gasket = 0;
    double pistonSide = 0; // valve relief less dome
    double withoutChamber = 0;
    double total = 0; // the clearance volume
    double swept = 0;
};
ClearanceParts clearanceParts(const EngineData& engine);

struct PressureSteps {
    Outcome outcome = Outcome::Success;
    double closingDegrees = 0;  // intake closing, after bottom dead centre
    double effectiveStroke = 0; // the piston's travel left at intake closing, inches
    bool strokeKnown = false;   // the two above, worked out whatever the outcome
    double dynamicRatio = 0;
    double pressure = 0; // as cylinderPressure gives it
};
PressureSteps cylinderPressureSteps(const EngineData& engine);

// The cranking pressure, psi gauge, that a dynamic ratio gives, as the
// cylinder pressure calculation works it out.
CalculationResult crankingPressureFor(double dynamicRatio);

} // namespace tolvaric
