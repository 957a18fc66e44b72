// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine record: sixteen numbers that describe one cylinder, and the one
// table of its fields that everything else iterates over (window rows, the
// data files, the navigation chain, the tests).

#include "DisplayPicture.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tolvaric {

// Lengths in inches, volumes in cubic centimetres, angles in crank degrees,
// pressure in psi gauge. The member order is the record order.
struct EngineData {
    double Bore = 0;
    double Stroke = 0;
    double Deck_Clearance = 0;
    double Gasket_Bore = 0;
    double Gasket_Thickness = 0;
    double Top_Land_Height = 0;
    double Top_Land_Allowance = 0;
    double Combustion_Chamber_Volume = 0;
    double Dome_Volume = 0;
    double Valve_Relief_Volume = 0;
    double Gage_Correction = 0;
    double Rod_Length = 0;
    double Intake_Seat_Duration = 0;
    double Intake_Centerline = 0;
    double Compression_Ratio = 0;
    double Cylinder_Pressure = 0;

    friend bool operator==(const EngineData&, const EngineData&) = default;
};

struct FieldInfo {
    std::string_view name;    // the record field
    std::string_view textBox; // the box that shows it
    std::string_view label;   // the label beside the box
    std::string_view caption; // the label's text
    std::string_view unit;
    Picture picture;
    std::string_view initialText;
    int topTwips;         // the row's top edge in the window
    int labelHeightTwips; // some labels are drawn taller
    double EngineData::*member;
};

inline constexpr std::size_t fieldCount = 16;

// clang-format off
inline constexpr std::array<FieldInfo, fieldCount> engineFields{{
    {"Bore", "TxtBore", "LblBore", "Bore:", "inch", Picture::ThreeDecimals, "4.000", 60, 255, &EngineData::Bore},
    {"Stroke", "TxtStroke", "LblStroke", "Stroke:", "inch", Picture::ThreeDecimals, "3.750", 360, 255, &EngineData::Stroke},
    {"Deck_Clearance", "TxtDeck_Clearance", "LblDeck_Clearance", "Deck Clearance:", "inch", Picture::ThreeDecimals, ".005", 660, 255, &EngineData::Deck_Clearance},
    {"Gasket_Bore", "TxtGasket_Bore", "LblGasket_bore", "Gasket Bore:", "inch", Picture::ThreeDecimals, "4.020", 960, 255, &EngineData::Gasket_Bore},
    {"Gasket_Thickness", "TxtGasket_Thickness", "LblGasket_Thickness", "Gasket Thickness:", "inch", Picture::ThreeDecimalsNoDigit, ".036", 1260, 255, &EngineData::Gasket_Thickness},
    {"Top_Land_Height", "TxtTop_Land_Height", "LblTop_Land_Height", "Top Land Height:", "inch", Picture::ThreeDecimals, ".250", 1560, 315, &EngineData::Top_Land_Height},
    {"Top_Land_Allowance", "TxtTop_Land_Allowance", "LblTop_Land_Allowance", "Top Land Allowance:", "inch", Picture::ThreeDecimalsNoDigit, ".050", 1860, 255, &EngineData::Top_Land_Allowance},
    {"Combustion_Chamber_Volume", "TxtCombustion_Chamber_Volume", "LblCombustion_Chamber_Volume", "Combustion Chamber Volume:", "cubic centimetre", Picture::OneDecimal, "85.0", 2160, 255, &EngineData::Combustion_Chamber_Volume},
    {"Dome_Volume", "TxtDome_Volume", "LblDome_Volume", "Dome Volume:", "cubic centimetre", Picture::OneDecimal, "0.00", 2460, 255, &EngineData::Dome_Volume},
    {"Valve_Relief_Volume", "TxtValve_relief_Volume", "LblValve_Relief_Volume", "Valve Relief Volume:", "cubic centimetre", Picture::OneDecimal, "0.00", 2760, 255, &EngineData::Valve_Relief_Volume},
    {"Gage_Correction", "TxtGage_Correction", "LblGage_Correction", "Gage Correction:", "cubic centimetre", Picture::OneDecimal, "0.00", 3060, 315, &EngineData::Gage_Correction},
    {"Rod_Length", "TxtRod_Length", "LblRod_Length", "Rod Length:", "inch", Picture::ThreeDecimals, "7.000", 3540, 315, &EngineData::Rod_Length},
    {"Intake_Seat_Duration", "TxtIntake_Seat_Duration", "LblIntake_Seat_Duration", "Intake Seat Duration:", "crankshaft degree", Picture::OneDecimal, "310.0", 3840, 255, &EngineData::Intake_Seat_Duration},
    {"Intake_Centerline", "TxtIntake_Centerline", "LblIntake_Centerline", "Intake Centerline:", "crankshaft degree", Picture::OneDecimal, "106", 4140, 255, &EngineData::Intake_Centerline},
    {"Compression_Ratio", "TxtCompression_Ratio", "LblCompression_Ratio", "Compression Ratio:", "ratio (n to 1)", Picture::TwoDecimals, "10.00", 4620, 255, &EngineData::Compression_Ratio},
    {"Cylinder_Pressure", "TxtCylinder_Pressure", "LblCylinder_Pressure", "Cylinder Pressure:", "pound per square inch, gauge", Picture::TwoDecimalsWide, "150.0", 5100, 315, &EngineData::Cylinder_Pressure},
}};
// clang-format on

// The values that the boxes' initial texts show: a sample small-block engine.
EngineData initialEngineData();

// Index of a field in record order, by its member.
constexpr std::size_t fieldIndex(double EngineData::*member) {
    for (std::size_t i = 0; i < fieldCount; ++i) {
        if (engineFields[i].member == member) {
            return i;
        }
    }
    return fieldCount;
}

} // namespace tolvaric
