// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine record: sixteen numbers that describe one cylinder, and the one
// table of its fields that everything else iterates over (the data files, the
// window's rows, the navigation chain, the tests). Where a field sits in the
// window is the window's business (text/FieldRows.h).

#include "model/DisplayPicture.h"
#include "model/TypedValue.h"

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
    std::string_view name; // the record field
    Picture picture;       // how its box shows it
    std::string_view initialText;
    double EngineData::*member;
    Quantity quantity; // which units a typed value may carry
};

inline constexpr std::size_t fieldCount = 16;

// clang-format off
inline constexpr std::array<FieldInfo, fieldCount> engineFields{{
    {"Bore", Picture::ThreeDecimals, "4.000", &EngineData::Bore, Quantity::Length},
    {"Stroke", Picture::ThreeDecimals, "3.750", &EngineData::Stroke, Quantity::Length},
    {"Deck_Clearance", Picture::ThreeDecimals, ".005", &EngineData::Deck_Clearance, Quantity::Length},
    {"Gasket_Bore", Picture::ThreeDecimals, "4.020", &EngineData::Gasket_Bore, Quantity::Length},
    {"Gasket_Thickness", Picture::ThreeDecimalsNoDigit, ".036", &EngineData::Gasket_Thickness, Quantity::Length},
    {"Top_Land_Height", Picture::ThreeDecimals, ".250", &EngineData::Top_Land_Height, Quantity::Length},
    {"Top_Land_Allowance", Picture::ThreeDecimalsNoDigit, ".050", &EngineData::Top_Land_Allowance, Quantity::Length},
    {"Combustion_Chamber_Volume", Picture::OneDecimal, "85.0", &EngineData::Combustion_Chamber_Volume, Quantity::Volume},
    {"Dome_Volume", Picture::OneDecimal, "0.00", &EngineData::Dome_Volume, Quantity::Volume},
    {"Valve_Relief_Volume", Picture::OneDecimal, "0.00", &EngineData::Valve_Relief_Volume, Quantity::Volume},
    {"Gage_Correction", Picture::OneDecimal, "0.00", &EngineData::Gage_Correction, Quantity::Volume},
    {"Rod_Length", Picture::ThreeDecimals, "7.000", &EngineData::Rod_Length, Quantity::Length},
    {"Intake_Seat_Duration", Picture::OneDecimal, "310.0", &EngineData::Intake_Seat_Duration, Quantity::Angle},
    {"Intake_Centerline", Picture::OneDecimal, "106", &EngineData::Intake_Centerline, Quantity::Angle},
    {"Compression_Ratio", Picture::TwoDecimals, "10.00", &EngineData::Compression_Ratio, Quantity::Ratio},
    {"Cylinder_Pressure", Picture::TwoDecimalsWide, "150.0", &EngineData::Cylinder_Pressure, Quantity::Pressure},
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
