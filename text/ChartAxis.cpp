// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/ChartAxis.h"

namespace tolvaric {

namespace {

constexpr int mostTicks = 12;

} // namespace

Axis niceAxis(Range range, int wanted) {
    if (!range.usable()) {
        return {};
    }
    if (!(range.high > range.low)) {
        const double margin = std::max(std::fabs(range.low) * 0.05, 0.5);
        range.low -= margin;
        range.high += margin;
    }
    const double raw = (range.high - range.low) / wanted;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    Axis axis;
    axis.step = 10 * magnitude;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw) {
            axis.step = m * magnitude;
            break;
        }
    }
    axis.low = std::floor(range.low / axis.step) * axis.step;
    axis.high = std::ceil(range.high / axis.step) * axis.step;
    if (!(axis.high > axis.low) || !std::isfinite(axis.high - axis.low)) {
        return {};
    }
    axis.decimals = int(std::clamp(-std::floor(std::log10(axis.step) + 1e-9), 0.0, 6.0));
    return axis;
}

QList<double> tickValues(const Axis& axis) {
    QList<double> values;
    for (int i = 0; i <= mostTicks; ++i) {
        const double value = axis.low + i * axis.step;
        if (value > axis.high + axis.step / 2) {
            break;
        }
        values.append(value);
    }
    return values;
}

} // namespace tolvaric
