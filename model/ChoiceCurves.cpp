// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/ChoiceCurves.h"

#include "model/Calculations.h"

#include <cmath>

namespace tolvaric {

std::vector<CamPoint> camCurve(const EngineData& engine) {
    std::vector<CamPoint> points;
    for (int step = -camSteps; step <= camSteps; ++step) {
        EngineData moved = engine;
        moved.Intake_Centerline = engine.Intake_Centerline + step;
        const auto steps = cylinderPressureSteps(moved);
        points.push_back(
            {moved.Intake_Centerline, steps.outcome, steps.dynamicRatio, steps.pressure});
    }
    return points;
}

std::vector<GasketPoint> gasketCurve(const EngineData& engine) {
    std::vector<GasketPoint> points;
    // Counted in thousandths so that every thickness is the decimal it names.
    const int first = int(std::lround(thinnestGasket * 1000));
    const int last = int(std::lround(thickestGasket * 1000));
    const int step = int(std::lround(gasketStep * 1000));
    for (int thousandths = first; thousandths <= last; thousandths += step) {
        EngineData changed = engine;
        changed.Gasket_Thickness = thousandths / 1000.0;
        const auto ratio = compressionRatio(changed);
        points.push_back({changed.Gasket_Thickness, ratio.outcome, ratio.value});
    }
    return points;
}

} // namespace tolvaric
