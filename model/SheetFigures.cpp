// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/SheetFigures.h"

#include "model/Checked.h"
#include "model/InverseTrig.h"
#include "model/Units.h"

namespace tolvaric {

namespace {

SheetFigure figureOf(Checked value) {
    return value.failed() ? SheetFigure{Outcome::ComputationFailure, 0}
                          : SheetFigure{Outcome::Success, value.value()};
}

SheetFigure failed(Outcome outcome) {
    return {outcome, 0};
}

} // namespace

SheetFigures sheetFigures(const EngineData& e) {
    SheetFigures f;
    const double cc = cubicCentimetresPerCubicInch();
    const auto parts = clearanceParts(e);
    if (parts.failed) {
        const auto failure = failed(Outcome::ComputationFailure);
        f.sweptCubicInches = f.sweptCc = f.chamberCc = f.gasketCc = f.deckCc = f.topLandCc =
            f.domeCc = f.reliefCc = f.clearanceCc = f.domeForRatio = f.gasketForRatio =
                f.deckForRatio = f.requiredClearanceCc = failure;
    } else {
        f.sweptCubicInches = figureOf(parts.swept);
        f.sweptCc = figureOf(Checked(parts.swept) * cc);
        f.chamberCc = figureOf(e.Combustion_Chamber_Volume);
        f.gasketCc = figureOf(Checked(parts.gasket) * cc);
        f.deckCc = figureOf(Checked(parts.deck) * cc);
        f.topLandCc = figureOf(Checked(parts.topLand) * cc);
        f.domeCc = figureOf(e.Dome_Volume);
        f.reliefCc = figureOf(e.Valve_Relief_Volume);
        f.clearanceCc = figureOf(Checked(parts.total) * cc);
    }
    f.compressionRatio = [&] {
        const auto result = compressionRatio(e);
        return SheetFigure{result.outcome, result.value};
    }();
    f.requiredChamberCc = [&] {
        const auto result = requiredChamberVolume(e);
        return SheetFigure{result.outcome, result.value};
    }();
    const auto pressure = cylinderPressureSteps(e);
    if (pressure.strokeKnown) {
        f.intakeClosing = {Outcome::Success, pressure.closingDegrees};
        f.effectiveStroke = {Outcome::Success, pressure.effectiveStroke};
    } else {
        f.intakeClosing = f.effectiveStroke = failed(
            pressure.outcome == Outcome::Success ? Outcome::ComputationFailure : pressure.outcome);
    }
    if (pressure.outcome == Outcome::Success) {
        f.dynamicRatio = {Outcome::Success, pressure.dynamicRatio};
        f.crankingPressure = {Outcome::Success, pressure.pressure};
    } else {
        f.dynamicRatio = f.crankingPressure = failed(pressure.outcome);
    }
    f.quench = figureOf(Checked(e.Deck_Clearance) + e.Gasket_Thickness);
    f.rodRatio = figureOf(Checked(e.Rod_Length) / e.Stroke);

    // The clearance the record's ratio needs, as the chamber calculation works it out.
    if (!parts.failed) {
        if (e.Compression_Ratio == 1) {
            f.domeForRatio = f.gasketForRatio = f.deckForRatio = f.requiredClearanceCc =
                failed(Outcome::RatioWarning);
        } else {
            const Checked p = pi;
            const Checked required = Checked(parts.swept) / (Checked(e.Compression_Ratio) - 1);
            f.requiredClearanceCc = figureOf(required * cc);
            const Checked relief = Checked(e.Valve_Relief_Volume) / cc;
            // Everything but the part itself, in cubic inches.
            const Checked withoutDome =
                Checked(parts.chamber) + parts.topLand + parts.deck + parts.gasket + relief;
            f.domeForRatio = figureOf((withoutDome - required) * cc);
            const Checked withoutGasket =
                Checked(parts.chamber) + parts.topLand + parts.deck + parts.pistonSide;
            f.gasketForRatio =
                figureOf((required - withoutGasket) / (squared(e.Gasket_Bore) * p / 4));
            const Checked withoutDeck =
                Checked(parts.chamber) + parts.topLand + parts.gasket + parts.pistonSide;
            f.deckForRatio = figureOf((required - withoutDeck) / (squared(e.Bore) * p / 4));
            f.gasketForRatio.buildable = !f.gasketForRatio.ok() || f.gasketForRatio.value > 0;
        }
    }
    f.requiredChamberCc.buildable = !f.requiredChamberCc.ok() || f.requiredChamberCc.value > 0;
    return f;
}

} // namespace tolvaric
