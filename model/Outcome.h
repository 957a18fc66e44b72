// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// How a calculation ended. The window decides what the user sees for each.

namespace tolvaric {

enum class Outcome {
    Success,
    ClearanceWarning,   // clearance volume not above zero
    RatioWarning,       // a wanted compression ratio of exactly 1
    ComputationFailure, // overflow, division by zero, invalid operation
};

} // namespace tolvaric
