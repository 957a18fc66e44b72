// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/ChartAxis.h"

namespace tolvaric {

namespace {

constexpr int mostTicks = 12;
// Powers of ten up to this are exact in a double.
constexpr int mostDigits = 22;

// units x 10^exponent: the double nearest that decimal, the same everywhere,
// as one correctly rounded multiplication or division by an exact power.
double decimal(long long units, int exponent) {
    double power = 1;
    for (int i = 0; i < std::min(std::abs(exponent), mostDigits); ++i) {
        power *= 10;
    }
    return exponent >= 0 ? double(units) * power : double(units) / power;
}

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
    if (!std::isfinite(raw) || !(raw > 0)) {
        return {};
    }
    int exponent = int(std::floor(std::log10(raw)));
    // log10 may miss by one at a power of ten (MinGW's does): mended exactly.
    if (exponent > -mostDigits && exponent < mostDigits) {
        if (decimal(1, exponent) > raw) {
            --exponent;
        } else if (decimal(1, exponent + 1) <= raw) {
            ++exponent;
        }
    }
    long long stepUnits = 10;
    for (const long long m : {1, 2, 5}) {
        if (decimal(m, exponent) >= raw) {
            stepUnits = m;
            break;
        }
    }
    if (stepUnits == 10) {
        stepUnits = 1;
        ++exponent;
    }
    const double step = decimal(stepUnits, exponent);
    const double first = std::floor(range.low / step + 1e-9);
    const double last = std::ceil(range.high / step - 1e-9);
    if (std::abs(exponent) >= mostDigits || !(std::fabs(first) < 1e15) ||
        !(std::fabs(last) < 1e15) || !(last > first)) {
        return {}; // no engine's figures: no axis worth the name
    }
    Axis axis;
    axis.exponent = exponent;
    axis.stepUnits = stepUnits;
    axis.lowUnits = (long long)(first)*stepUnits;
    axis.step = step;
    axis.low = decimal(axis.lowUnits, exponent);
    axis.high = decimal((long long)(last)*stepUnits, exponent);
    axis.decimals = std::clamp(-exponent, 0, 6);
    return axis;
}

QList<double> tickValues(const Axis& axis) {
    QList<double> values;
    for (int i = 0; i <= mostTicks; ++i) {
        const double value = decimal(axis.lowUnits + i * axis.stepUnits, axis.exponent);
        if (value > axis.high + axis.step / 2) {
            break;
        }
        values.append(value);
    }
    return values;
}

} // namespace tolvaric
