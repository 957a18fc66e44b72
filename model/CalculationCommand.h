// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The three calculation buttons as plain commands over the record: each runs
// its calculation and, on success, stores the unrounded result in its field.

#include "model/Calculations.h"

namespace tolvaric {

struct CalculationCommand {
    CalculationResult (*calculate)(const EngineData&);
    double EngineData::*result; // the field it fills
};

inline constexpr CalculationCommand ratioCommand{compressionRatio, &EngineData::Compression_Ratio};
inline constexpr CalculationCommand volumeCommand{requiredChamberVolume,
                                                  &EngineData::Combustion_Chamber_Volume};
inline constexpr CalculationCommand pressureCommand{cylinderPressure,
                                                    &EngineData::Cylinder_Pressure};

// Leaves the record untouched unless the calculation succeeded.
inline CalculationResult runCalculation(const CalculationCommand& command, EngineData& engine) {
    const auto result = command.calculate(engine);
    if (result.succeeded()) {
        engine.*command.result = result.value;
    }
    return result;
}

} // namespace tolvaric
