// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The two choices a builder weighs on the sheet, as curves worked out by
// the calculations themselves: the cam installed advanced or retarded
// (intake centerline from 8 degrees before to 8 after the engine's own),
// and the head gasket's compressed thickness (0.020 to 0.080 in, wider
// where an engine's own gasket or the one its target needs lies outside).

#include "model/EngineData.h"
#include "model/Outcome.h"

#include <vector>

namespace tolvaric {

struct CamPoint {
    double centerline = 0; // intake centerline, degrees after top dead centre
    Outcome outcome = Outcome::Success;
    double dynamicRatio = 0; // meaningful on success
    double pressure = 0;     // cranking, psi gauge
};

struct GasketPoint {
    double thickness = 0; // compressed, inches
    Outcome outcome = Outcome::Success;
    double ratio = 0; // static compression ratio, on success
};

inline constexpr int camSteps = 8; // degrees each way, one a step
inline constexpr double thinnestGasket = 0.020;
inline constexpr double thickestGasket = 0.080;
inline constexpr double gasketStep = 0.005;
// No gasket is thinner than nothing, and none this thick is sold.
inline constexpr double thickestGasketShown = 0.150;

// The gasket thicknesses shown, in thousandths of an inch, so that every
// step is the decimal it names.
struct GasketRange {
    int from = 20;
    int to = 80;
};
// 0.020 to 0.080 in, widened a step at a time (within 0 and 0.150 in) to
// take in each engine's own gasket and the thickness that alone gives its
// target ratio, where one does.
GasketRange gasketRange(const std::vector<EngineData>& engines);

std::vector<CamPoint> camCurve(const EngineData& engine);
// The cam curve as a boost makes it act: each point's dynamic ratio x (air
// + boost) / 14.7, and the cranking pressure that ratio gives.
std::vector<CamPoint> boostedCamCurve(std::vector<CamPoint> points, double boostPsi, double airPsi);

std::vector<GasketPoint> gasketCurve(const EngineData& engine, GasketRange range = {});
// The steps with the engine's own gasket among them, in order of thickness.
std::vector<GasketPoint> gasketCurveWithOwn(const EngineData& engine, GasketRange range);

} // namespace tolvaric
