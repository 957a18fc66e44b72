// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The two choices a builder weighs on the sheet, as curves worked out by
// the calculations themselves: the cam installed advanced or retarded
// (intake centerline from 8 degrees before to 8 after the engine's own),
// and the head gasket's compressed thickness (0.020 to 0.080 in).

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

std::vector<CamPoint> camCurve(const EngineData& engine);
std::vector<GasketPoint> gasketCurve(const EngineData& engine);

} // namespace tolvaric
