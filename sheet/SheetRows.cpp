// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/SheetRows.h"

#include "model/BuildChoices.h"
#include "model/DisplayPicture.h"
#include "model/SheetFigures.h"
#include "model/Units.h"
#include "storage/FileName.h"
#include "text/FieldRows.h"
#include "text/Messages.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>

namespace tolvaric {

namespace {

// From a figure's own unit to another, or a figure worked out from it;
// none: the figure as it is.
using Unit = std::function<double(double)>;
double toMillimetres(double inches) {
    return inches * millimetresPerInch;
}
double toCubicInches(double cc) {
    return cc / valueOf(cubicInchInCc);
}

// A row's figure for one engine, from its record and its sheet figures.
using Figure = std::function<SheetFigure(const EngineData&, const SheetFigures&)>;

Figure held(double EngineData::*member, const Unit& unit = {}) {
    return [member, unit](const EngineData& e, const SheetFigures&) {
        return SheetFigure{Outcome::Success, unit ? unit(e.*member) : e.*member};
    };
}

Figure derived(SheetFigure SheetFigures::*member, const Unit& unit = {}) {
    return [member, unit](const EngineData&, const SheetFigures& f) {
        SheetFigure figure = f.*member;
        if (figure.ok() && unit) {
            figure.value = unit(figure.value);
        }
        return figure;
    };
}

struct Line {
    QString label;
    Figure figure;
    int decimals;
    QString unbuildable = {}; // what a figure that cannot be built shows
};

struct Section {
    QString heading;
    QList<Line> lines;
};

// A value of the record in its own unit, then in the others the sheet shows.
struct ShownUnit {
    QString label; // "%1" is the field's name
    Unit unit;
    int decimals;
};

QList<ShownUnit> shownUnits(Quantity quantity) {
    switch (quantity) {
    case Quantity::Length:
        return {{Sheet::tr("%1, in"), nullptr, 4}, {Sheet::tr("%1, mm"), toMillimetres, 3}};
    case Quantity::Volume:
        return {{Sheet::tr("%1, cc"), nullptr, 2}, {Sheet::tr("%1, cu in"), toCubicInches, 4}};
    case Quantity::Angle:
        return {{Sheet::tr("%1, degrees"), nullptr, 1}};
    case Quantity::Ratio:
    case Quantity::Pressure:
    case Quantity::Plain:
    case Quantity::Altitude:
    case Quantity::Boost:
        break;
    }
    return {{QStringLiteral("%1"), nullptr, 2}};
}

Section valuesSection() {
    Section values{Sheet::tr("Values"), {}};
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const auto& field = engineFields[i];
        if (field.member == &EngineData::Cylinder_Pressure) {
            continue; // the last result the window showed: the sheet works it out below
        }
        if (field.member == &EngineData::Compression_Ratio) {
            values.lines.append({Sheet::tr("Target compression ratio"), held(field.member), 2});
            continue;
        }
        for (const auto& shown : shownUnits(field.quantity)) {
            values.lines.append({shown.label.arg(layout::fieldName(layout::fieldRows[i])),
                                 held(field.member, shown.unit), shown.decimals});
        }
    }
    return values;
}

// The same figure in every engine's column.
Figure each(double value) {
    return [value](const EngineData&, const SheetFigures&) {
        return SheetFigure{Outcome::Success, value};
    };
}

// The builder's choices, each a section of its own when it is made.
QList<Section> choiceSections(const BuildChoices& choices, const QString& point) {
    using F = SheetFigures;
    QList<Section> made;
    if (const auto cylinders = choices.cylinders) {
        const double n = *cylinders;
        made.append({Sheet::tr("The whole engine"),
                     {
                         {Sheet::tr("Cylinders"), each(n), 0},
                         {Sheet::tr("Engine displacement, cc"),
                          derived(&F::sweptCc, [n](double cc) { return cc * n; }), 1},
                         {Sheet::tr("Engine displacement, cu in"),
                          derived(&F::sweptCubicInches, [n](double ci) { return ci * n; }), 2},
                         {Sheet::tr("Engine displacement, litres"),
                          derived(&F::sweptCc, [n](double cc) { return cc * n / 1000; }), 3},
                     }});
    }
    if (const auto altitude = choices.altitudeFeet) {
        const double feet = *altitude;
        const auto atAltitude = [feet](double psi) { return pressureAtAltitude(psi, feet); };
        made.append({Sheet::tr("At altitude"),
                     {
                         {Sheet::tr("Altitude, ft"), each(feet), 0},
                         {Sheet::tr("Altitude, m"), each(feet / valueOf(metreInFeet)), 0},
                         {Sheet::tr("Station pressure (standard atmosphere), inHg"),
                          each(stationPressureInHg(feet)), 2},
                         {Sheet::tr("Cranking cylinder pressure at altitude, psi"),
                          derived(&F::crankingPressure, atAltitude), 2},
                         {Sheet::tr("Cranking cylinder pressure at altitude, bar"),
                          derived(&F::crankingPressure,
                                  [atAltitude](double psi) { return psiToBar(atAltitude(psi)); }),
                          3},
                     }});
    }
    if (const auto boost = choices.boostPsi) {
        // A gauge reads above the air around it, which is thinner up high.
        const double psi = *boost;
        const double air = airAroundPsi(choices);
        const auto boosted = [psi, air](double ratio) { return boostedRatio(ratio, psi, air); };
        const QString basis = boostBasis(psi, choices.altitudeFeet, point);
        made.append({Sheet::tr("With boost"),
                     {
                         {Sheet::tr("Boost, psi"), each(psi), 2},
                         {Sheet::tr("Boost, bar"), each(psiToBar(psi)), 3},
                         {Sheet::tr("Effective static compression ratio with %1").arg(basis),
                          derived(&F::compressionRatio, boosted), 2},
                         {Sheet::tr("Effective dynamic compression ratio with %1").arg(basis),
                          derived(&F::dynamicRatio, boosted), 2},
                     }});
    }
    return made;
}

QList<Section> sections(const BuildChoices& choices, const QString& point) {
    using F = SheetFigures;
    const QString gasketAlone = Sheet::tr("not reachable with the gasket alone");
    QList<Section> all{
        valuesSection(),
        {Sheet::tr("Volumes"),
         {
             {Sheet::tr("Swept volume per cylinder, cc"), derived(&F::sweptCc), 2},
             {Sheet::tr("Swept volume per cylinder, cu in"), derived(&F::sweptCubicInches), 3},
             {Sheet::tr("Clearance volume, cc"), derived(&F::clearanceCc), 2},
             {Sheet::tr("Clearance part: chamber, cc"), derived(&F::chamberCc), 2},
             {Sheet::tr("Clearance part: head gasket, cc"), derived(&F::gasketCc), 2},
             {Sheet::tr("Clearance part: deck, cc"), derived(&F::deckCc), 2},
             {Sheet::tr("Clearance part: top land, cc"), derived(&F::topLandCc), 2},
             {Sheet::tr("Clearance part: dome (taken away), cc"), derived(&F::domeCc), 2},
             {Sheet::tr("Clearance part: valve relief, cc"), derived(&F::reliefCc), 2},
         }},
        {Sheet::tr("Results"),
         {
             {Sheet::tr("Static compression ratio"), derived(&F::compressionRatio), 2},
             {Sheet::tr("Intake closing, degrees after BDC"), derived(&F::intakeClosing), 1},
             {Sheet::tr("Effective stroke at intake closing, in"), derived(&F::effectiveStroke), 4},
             {Sheet::tr("Effective stroke at intake closing, mm"),
              derived(&F::effectiveStroke, toMillimetres), 3},
             {Sheet::tr("Dynamic compression ratio"), derived(&F::dynamicRatio), 2},
             {Sheet::tr("Cranking cylinder pressure, psi"), derived(&F::crankingPressure), 2},
             {Sheet::tr("Cranking cylinder pressure, bar"), derived(&F::crankingPressure, psiToBar),
              3},
             {Sheet::tr("Cranking cylinder pressure, kPa"),
              derived(&F::crankingPressure, psiToKilopascal), 1},
             {Sheet::tr("Quench, in"), derived(&F::quench), 4},
             {Sheet::tr("Quench, mm"), derived(&F::quench, toMillimetres), 3},
             {Sheet::tr("Rod-to-stroke ratio"), derived(&F::rodRatio), 3},
         }},
        {Sheet::tr("For the target ratio, one part alone"),
         {
             {Sheet::tr("Chamber volume for the target ratio, cc"), derived(&F::requiredChamberCc),
              2, Sheet::tr("not reachable with the chamber alone")},
             {Sheet::tr("Dome volume for the target ratio (negative: dish), cc"),
              derived(&F::domeForRatio), 2},
             {Sheet::tr("Gasket thickness for the target ratio, in"), derived(&F::gasketForRatio),
              4, gasketAlone},
             {Sheet::tr("Gasket thickness for the target ratio, mm"),
              derived(&F::gasketForRatio, toMillimetres), 3, gasketAlone},
             {Sheet::tr("Deck clearance for the target ratio, in"), derived(&F::deckForRatio), 4},
             {Sheet::tr("Deck clearance for the target ratio, mm"),
              derived(&F::deckForRatio, toMillimetres), 3},
         }},
    };
    return all + choiceSections(choices, point);
}

// A figure that could not be worked out for want of a value says which:
// the first of the values the figures divide by that is 0.
QString missingValue(const EngineData& engine) {
    for (const auto member : {&EngineData::Bore, &EngineData::Stroke, &EngineData::Gasket_Bore,
                              &EngineData::Rod_Length}) {
        if (engine.*member == 0) {
            return Sheet::tr("%1 is 0").arg(layout::fieldName(layout::rowOf(member)));
        }
    }
    return {};
}

QString shown(const SheetFigure& figure, const Line& line, const EngineData& engine,
              const QString& point) {
    if (!figure.ok()) {
        const QString missing =
            figure.outcome == Outcome::ComputationFailure ? missingValue(engine) : QString();
        return missing.isEmpty() ? messageFor(figure.outcome).text : missing;
    }
    if (!figure.buildable && !line.unbuildable.isEmpty()) {
        return line.unbuildable;
    }
    return QString::fromStdString(formatFigure(figure.value, line.decimals, point.toStdString()));
}

} // namespace

QList<SheetRow> sheetRows(const QList<SheetEngine>& engines, const SheetHeader& header,
                          const SheetSettings& settings) {
    QList<SheetRow> rows;
    QStringList owners, files, dates, programs;
    for (const auto& sheet : engines) {
        owners << QString(sheet.owner).replace(QLatin1Char('\n'), QLatin1Char(' '));
        files << shownPath(sheet.file);
        dates << header.date.toString(Qt::ISODate);
        programs << header.program;
    }
    using Kind = SheetRow::Kind;
    rows.append({Kind::Header, Sheet::tr("Owner"), owners});
    rows.append({Kind::File, Sheet::tr("Data file"), files});
    rows.append({Kind::Header, Sheet::tr("Date"), dates});
    rows.append({Kind::Header, Sheet::tr("Program"), programs});
    QList<SheetFigures> figures;
    for (const auto& sheet : engines) {
        figures.append(sheetFigures(sheet.engine));
    }
    for (const auto& section : sections(header.choices, settings.point)) {
        rows.append({Kind::Heading, section.heading, {}});
        for (const auto& line : section.lines) {
            QStringList values;
            for (qsizetype i = 0; i < engines.size(); ++i) {
                values << shown(line.figure(engines[i].engine, figures[i]), line, engines[i].engine,
                                settings.point);
            }
            rows.append({Kind::Figure, line.label, values});
        }
    }
    return rows;
}

// What the boosted figures are worked against: "8 psi boost at sea level",
// "10.2 psi boost at 5280 ft", with the page's decimal separator.
QString boostBasis(double psi, std::optional<double> feet, const QString& point) {
    QString boost = QString::fromStdString(formatFigure(psi, 2, point.toStdString()));
    while (boost.contains(point) && (boost.endsWith(QLatin1Char('0')) || boost.endsWith(point))) {
        boost.chop(1);
    }
    return feet ? Sheet::tr("%1 psi boost at %2 ft")
                      .arg(boost, QString::fromStdString(formatFigure(*feet, 0)))
                : Sheet::tr("%1 psi boost at sea level").arg(boost);
}

} // namespace tolvaric
