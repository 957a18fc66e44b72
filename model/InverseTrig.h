// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Arc cosine and arc sine built from the arc tangent and the square root, the
// way the calculations have always obtained pi and the rod angle. Both fail at
// +1 (a division by zero) and outside [-1, 1]; only -1 has a special case.

#include <optional>

namespace tolvaric {

std::optional<double> acos(double x);
std::optional<double> asin(double x);

} // namespace tolvaric
