// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Every outcome of a calculation and the texts the window shows for it.

#include <string_view>

namespace tolvaric {

inline constexpr std::string_view applicationTitle = "tolvaric";

enum class Outcome {
    Success,
    ClearanceWarning,   // clearance volume not above zero
    RatioWarning,       // a wanted compression ratio of exactly 1
    ComputationFailure, // overflow, division by zero, invalid operation
};

enum class MessageIcon { Critical, Exclamation };

struct Message {
    std::string_view text;
    std::string_view title;
    MessageIcon icon;
};

constexpr Message messageFor(Outcome outcome) {
    switch (outcome) {
    case Outcome::ClearanceWarning:
        return {"There's something strange with the clearance volume", applicationTitle,
                MessageIcon::Exclamation};
    case Outcome::RatioWarning:
        return {"Compression Ratio = 1 not allowed", applicationTitle, MessageIcon::Exclamation};
    case Outcome::ComputationFailure:
    case Outcome::Success:
        break;
    }
    return {"Check for complete data!", "Computation Error!", MessageIcon::Critical};
}

} // namespace tolvaric
