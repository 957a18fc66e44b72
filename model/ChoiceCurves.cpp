// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/ChoiceCurves.h"

#include "model/Calculations.h"
#include "model/SheetFigures.h"

#include <algorithm>

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

GasketRange gasketRange(const std::vector<EngineData>& engines) {
    const int step = int(std::lround(gasketStep * 1000));
    GasketRange range{int(std::lround(thinnestGasket * 1000)),
                      int(std::lround(thickestGasket * 1000))};
    const auto takeIn = [&](double inches) {
        if (!std::isfinite(inches) || inches < 0 || inches > thickestGasketShown) {
            return;
        }
        const double thousandths = inches * 1000;
        range.from = std::min(range.from, int(std::floor(thousandths / step)) * step);
        range.to = std::max(range.to, int(std::ceil(thousandths / step)) * step);
    };
    for (const auto& engine : engines) {
        takeIn(engine.Gasket_Thickness);
        const auto needed = sheetFigures(engine).gasketForRatio;
        if (needed.ok() && needed.buildable) {
            takeIn(needed.value);
        }
    }
    return range;
}

std::vector<GasketPoint> gasketCurve(const EngineData& engine, GasketRange range) {
    std::vector<GasketPoint> points;
    const int step = int(std::lround(gasketStep * 1000));
    for (int thousandths = range.from; thousandths <= range.to; thousandths += step) {
        EngineData changed = engine;
        changed.Gasket_Thickness = thousandths / 1000.0;
        const auto ratio = compressionRatio(changed);
        points.push_back({changed.Gasket_Thickness, ratio.outcome, ratio.value});
    }
    return points;
}

} // namespace tolvaric
