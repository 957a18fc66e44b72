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

} // namespace tolvaric
