// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "InverseTrig.h"

#include "Checked.h"

#include <cmath>

namespace tolvaric {

std::optional<double> acos(double x) {
    if (x == -1) {
        return 4 * std::atan(1.0);
    }
    try {
        const Checked minusX = -Checked(x);
        const Checked root = std::sqrt((minusX * x + 1).value());
        const Checked quotient = minusX / root;
        return (Checked(std::atan(quotient.value())) + 2 * std::atan(1.0)).value();
    } catch (const ComputationFailure&) {
        return std::nullopt;
    }
}

std::optional<double> asin(double x) {
    if (x == -1) {
        return std::atan(1.0) * -2;
    }
    try {
        const Checked root = std::sqrt((-Checked(x) * x + 1).value());
        const Checked quotient = Checked(x) / root;
        return std::atan(quotient.value());
    } catch (const ComputationFailure&) {
        return std::nullopt;
    }
}

} // namespace tolvaric
