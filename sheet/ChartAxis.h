// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A chart's axis: the values it must show, and round numbers around them.

#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tolvaric {

struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void take(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    bool usable() const { return std::isfinite(low) && std::isfinite(high); }
};

// An axis on round numbers: steps of 1, 2 or 5 times a power of ten. The
// round numbers are whole multiples of that power, `units` of it, so that
// every system's arithmetic finds the same ones.
struct Axis {
    double low = 0;
    double high = 1;
    double step = 1;
    int decimals = 0;
    long long lowUnits = 0;  // low = lowUnits x 10^exponent
    long long stepUnits = 1; // step = stepUnits x 10^exponent
    int exponent = 0;
    double at(double value, double from, double to) const {
        return from + (value - low) / (high - low) * (to - from);
    }
};

// At about `wanted` steps; an unusable range gives 0 to 1.
Axis niceAxis(Range range, int wanted);

// The axis' round values, from its low end to its high one.
QList<double> tickValues(const Axis& axis);

} // namespace tolvaric
