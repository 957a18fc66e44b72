// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/ChoiceCurves.h"

#include "model/BuildChoices.h"
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

std::vector<CamPoint> boostedCamCurve(std::vector<CamPoint> points, double boostPsi,
                                      double airPsi) {
    for (auto& point : points) {
        if (point.outcome != Outcome::Success) {
            continue;
        }
        point.dynamicRatio = boostedRatio(point.dynamicRatio, boostPsi, airPsi);
        const auto pressure = crankingPressureFor(point.dynamicRatio);
        point.outcome = pressure.outcome;
        point.pressure = pressure.value;
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

std::vector<GasketPoint> gasketCurveWithOwn(const EngineData& engine, GasketRange range) {
    auto points = gasketCurve(engine, range);
    const bool between = std::none_of(points.begin(), points.end(), [&](const GasketPoint& p) {
        return p.thickness == engine.Gasket_Thickness;
    });
    if (between) {
        const auto own = compressionRatio(engine);
        const auto at = std::find_if(points.begin(), points.end(), [&](const GasketPoint& p) {
            return p.thickness > engine.Gasket_Thickness;
        });
        points.insert(at, {engine.Gasket_Thickness, own.outcome, own.value});
    }
    return points;
}

} // namespace tolvaric
