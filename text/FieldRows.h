// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The window's sixteen field rows: a right-aligned label and its box, in
// record order. Positions are in twips, 1440 to the inch.

#include "model/EngineData.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace tolvaric::layout {

struct FieldRow {
    std::string_view textBox; // the box's object name
    std::string_view label;   // the label's object name
    std::string_view caption; // the label's text, for MainWindow::tr
    int topTwips;             // the row's top edge
    int labelHeightTwips;     // some labels are drawn taller
    double EngineData::*member;
};

// clang-format off
inline constexpr std::array<FieldRow, fieldCount> fieldRows{{
    {"TxtBore", "LblBore", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Bore:"), 60, 255, &EngineData::Bore},
    {"TxtStroke", "LblStroke", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Stroke:"), 360, 255, &EngineData::Stroke},
    {"TxtDeck_Clearance", "LblDeck_Clearance", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Deck Clearance:"), 660, 255, &EngineData::Deck_Clearance},
    {"TxtGasket_Bore", "LblGasket_bore", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Gasket Bore:"), 960, 255, &EngineData::Gasket_Bore},
    {"TxtGasket_Thickness", "LblGasket_Thickness", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Gasket Thickness:"), 1260, 255, &EngineData::Gasket_Thickness},
    {"TxtTop_Land_Height", "LblTop_Land_Height", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Top Land Height:"), 1560, 315, &EngineData::Top_Land_Height},
    {"TxtTop_Land_Allowance", "LblTop_Land_Allowance", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Top Land Allowance:"), 1860, 255, &EngineData::Top_Land_Allowance},
    {"TxtCombustion_Chamber_Volume", "LblCombustion_Chamber_Volume", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Combustion Chamber Volume:"), 2160, 255, &EngineData::Combustion_Chamber_Volume},
    {"TxtDome_Volume", "LblDome_Volume", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Dome Volume:"), 2460, 255, &EngineData::Dome_Volume},
    {"TxtValve_relief_Volume", "LblValve_Relief_Volume", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Valve Relief Volume:"), 2760, 255, &EngineData::Valve_Relief_Volume},
    {"TxtGage_Correction", "LblGage_Correction", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Gage Correction:"), 3060, 315, &EngineData::Gage_Correction},
    {"TxtRod_Length", "LblRod_Length", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Rod Length:"), 3540, 315, &EngineData::Rod_Length},
    {"TxtIntake_Seat_Duration", "LblIntake_Seat_Duration", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Intake Seat Duration:"), 3840, 255, &EngineData::Intake_Seat_Duration},
    {"TxtIntake_Centerline", "LblIntake_Centerline", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Intake Centerline:"), 4140, 255, &EngineData::Intake_Centerline},
    {"TxtCompression_Ratio", "LblCompression_Ratio", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Compression Ratio:"), 4620, 255, &EngineData::Compression_Ratio},
    {"TxtCylinder_Pressure", "LblCylinder_Pressure", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Cylinder Pressure:"), 5100, 315, &EngineData::Cylinder_Pressure},
}};
// clang-format on

constexpr bool rowsInRecordOrder() {
    for (std::size_t i = 0; i < fieldCount; ++i) {
        if (fieldRows[i].member != engineFields[i].member) {
            return false;
        }
    }
    return true;
}
static_assert(fieldRows.size() == engineFields.size() && rowsInRecordOrder(),
              "one row per field of the record, in record order");

constexpr const FieldRow& rowOf(double EngineData::*member) {
    return fieldRows[fieldIndex(member)];
}

// A row's caption as the user reads it ("Bore:"), and the field's name
// without the colon, as messages, screen readers and the sheet say it ("Bore").
inline QString caption(const FieldRow& row) {
    return QCoreApplication::translate("tolvaric::MainWindow", row.caption.data());
}
inline QString fieldName(const FieldRow& row) {
    return caption(row).chopped(1); // the colon
}
// The caption in a window of `units`. The metric window's length and
// pressure boxes hold the number alone, at the window's type: their unit is
// in the label ("Bore, mm:").
inline QString caption(const FieldRow& row, UnitSystem units) {
    const Quantity quantity = engineFields[fieldIndex(row.member)].quantity;
    if (units == UnitSystem::Metric && quantity == Quantity::Length) {
        return QCoreApplication::translate("tolvaric::MainWindow", "%1, mm:").arg(fieldName(row));
    }
    if (units == UnitSystem::Metric && quantity == Quantity::Pressure) {
        return QCoreApplication::translate("tolvaric::MainWindow", "%1, bar:").arg(fieldName(row));
    }
    return caption(row);
}

} // namespace tolvaric::layout
