// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Every figure of one engine's sheet, from the model's own calculations, so
// that a sheet and the window agree to the last bit: swept volume, the
// clearance volume and its parts, the three results, intake closing, the
// effective stroke, the dynamic ratio, quench, the rod ratio, and what each
// of chamber, dome, gasket and deck alone would have to be for the record's
// Compression Ratio. A figure that could not be worked out carries the
// outcome the window would report for it.

#include "model/Calculations.h"
#include "model/EngineData.h"
#include "model/Units.h"

namespace tolvaric {

struct SheetFigure {
    Outcome outcome = Outcome::Success;
    double value = 0; // meaningful on success
    // False for a part that cannot be built at that size (a gasket or a
    // chamber at or below zero): the target is out of that part's reach.
    bool buildable = true;
    bool ok() const { return outcome == Outcome::Success; }
};

struct SheetFigures {
    // Cubic inches, and the same in cubic centimetres where a sheet shows both.
    SheetFigure sweptCubicInches;
    SheetFigure sweptCc;
    // The clearance volume and its parts, in cubic centimetres: chamber,
    // head gasket, deck, top land, dome (taken away) and valve relief.
    SheetFigure chamberCc, gasketCc, deckCc, topLandCc, domeCc, reliefCc, clearanceCc;
    SheetFigure compressionRatio;    // as Calculate Compression Ratio gives it
    SheetFigure requiredChamberCc;   // for the record's Compression Ratio; buildable above 0
    SheetFigure requiredClearanceCc; // the clearance volume that ratio needs
    SheetFigure intakeClosing;       // degrees after bottom dead centre
    SheetFigure effectiveStroke;     // inches
    SheetFigure dynamicRatio;
    SheetFigure crankingPressure; // psi gauge, as Calculate Cylinder Pressure gives it
    SheetFigure quench;           // inches: deck clearance + gasket thickness
    SheetFigure rodRatio;
    // Each part alone, every other value unchanged, for the record's ratio.
    SheetFigure domeForRatio;   // cc; negative: a dish of that size
    SheetFigure gasketForRatio; // compressed thickness, inches; buildable above 0
    SheetFigure deckForRatio;   // inches
};

SheetFigures sheetFigures(const EngineData& engine);

} // namespace tolvaric
