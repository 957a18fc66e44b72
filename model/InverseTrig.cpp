// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/InverseTrig.h"

#include "model/Checked.h"
#include "model/Units.h"

#include <cmath>

namespace tolvaric {

namespace {

std::optional<double> valueOf(Checked result) {
    return result.failed() ? std::nullopt : std::optional<double>(result.value());
}

} // namespace

std::optional<double> acos(double x) {
    if (x == -1) {
        return pi;
    }
    const Checked minusX = -Checked(x);
    const Checked root = squareRoot(minusX * x + 1);
    const Checked quotient = minusX / root;
    return valueOf(arcTangent(quotient) + 2 * std::atan(1.0));
}

std::optional<double> asin(double x) {
    if (x == -1) {
        return std::atan(1.0) * -2;
    }
    const Checked root = squareRoot(-Checked(x) * x + 1);
    const Checked quotient = Checked(x) / root;
    return valueOf(arcTangent(quotient));
}

} // namespace tolvaric
