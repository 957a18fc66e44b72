// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/SheetCharts.h"

#include "model/Calculations.h"
#include "model/ChoiceCurves.h"
#include "model/DisplayPicture.h"
#include "model/Units.h"
#include "storage/FileName.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cmath>

namespace tolvaric {

namespace {

QString nameOf(const SheetEngine& sheet) {
    return shownPath(sheet.file);
}

QString figure(double value, int decimals, const QString& point = QStringLiteral(".")) {
    return QString::fromStdString(formatFigure(value, decimals, point.toStdString()));
}

// Where a point failed, the line breaks.
template <typename Point, typename Ok, typename Value>
QList<QList<QPointF>> runs(const std::vector<Point>& points, Ok ok, Value xy) {
    QList<QList<QPointF>> lines{{}};
    for (const auto& point : points) {
        if (ok(point)) {
            lines.last().append(xy(point));
        } else if (!lines.last().isEmpty()) {
            lines.append(QList<QPointF>());
        }
    }
    if (lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

bool camOk(const CamPoint& p) {
    return p.outcome == Outcome::Success;
}
bool gasketOk(const GasketPoint& p) {
    return p.outcome == Outcome::Success;
}

// An engine's cam lines, the dynamic ratio's and the pressure's.
std::pair<ChartSeries, ChartSeries> camLines(const QString& name,
                                             const std::vector<CamPoint>& points) {
    ChartSeries ratio{name,
                      runs(points, camOk,
                           [](const CamPoint& p) { return QPointF(p.centerline, p.dynamicRatio); }),
                      std::nullopt,
                      {}};
    ChartSeries pressure{
        name,
        runs(points, camOk, [](const CamPoint& p) { return QPointF(p.centerline, p.pressure); }),
        std::nullopt,
        {}};
    if (!points.empty()) {
        if (const auto& own = points[std::size_t(camSteps)]; camOk(own)) {
            ratio.own = QPointF(own.centerline, own.dynamicRatio);
            pressure.own = QPointF(own.centerline, own.pressure);
        }
    }
    return {ratio, pressure};
}

// The gasket steps all the engines share.
GasketRange rangeFor(const QList<SheetEngine>& engines) {
    std::vector<EngineData> all;
    for (const auto& sheet : engines) {
        all.push_back(sheet.engine);
    }
    return gasketRange(all);
}

} // namespace

QList<SheetChart> sheetCharts(const QList<SheetEngine>& engines, const BuildChoices& choices,
                              const QString& point) {
    // The y axes' labels are set beside a plot 150 pixels high: a language
    // whose words run longer says them shorter there than on the sheet.
    SheetChart cam{Sheet::tr("Cam installed advanced or retarded"),
                   Sheet::tr("Intake centerline, degrees after TDC"),
                   0,
                   {},
                   1,
                   {{Sheet::tr("Dynamic compression ratio", "y axis"), 2, {}, {}},
                    {Sheet::tr("Cranking cylinder pressure, psi", "y axis"), 0, {}, {}}}};
    SheetChart gasket{Sheet::tr("Head gasket"),
                      Sheet::tr("Compressed gasket thickness, in"),
                      3,
                      Sheet::tr("%1 mm"),
                      millimetresPerInch,
                      {{Sheet::tr("Static compression ratio", "y axis"), 2, {}, {}}}};
    const auto range = rangeFor(engines);
    for (const auto& sheet : engines) {
        const auto& e = sheet.engine;
        // A centerline no cam has would squeeze every other engine's lines
        // into a point: such an engine is named, and left off.
        const bool camPlausible = e.Intake_Centerline >= 0 && e.Intake_Centerline <= 360;
        const auto points = camPlausible ? camCurve(e) : std::vector<CamPoint>();
        auto [ratio, pressure] = camLines(nameOf(sheet), points);
        if (!camPlausible) {
            ratio.mark = pressure.mark = Sheet::tr(" (left off)");
            const QString why =
                Sheet::tr("left off: an intake centerline outside 0 to 360 degrees");
            if (!cam.notes.contains(why)) {
                cam.notes << why;
            }
        }
        cam.plots[0].series.append(ratio);
        cam.plots[1].series.append(pressure);
        if (choices.boostPsi && camPlausible) {
            auto [ratioBoosted, pressureBoosted] = camLines(
                nameOf(sheet), boostedCamCurve(points, *choices.boostPsi, airAroundPsi(choices)));
            cam.plots[0].series.append(ratioBoosted);
            cam.plots[1].series.append(pressureBoosted);
            cam.plots[0].series.last().mark = cam.plots[1].series.last().mark =
                Sheet::tr(" (boost)");
            const QString what =
                Sheet::tr("(boost): the engine with %1")
                    .arg(boostBasis(*choices.boostPsi, choices.altitudeFeet, point));
            if (!cam.notes.contains(what)) {
                cam.notes << what;
            }
        }

        ChartSeries ratios{nameOf(sheet),
                           runs(gasketCurveWithOwn(e, range), gasketOk,
                                [](const GasketPoint& p) { return QPointF(p.thickness, p.ratio); }),
                           std::nullopt,
                           {}};
        if (const auto r = compressionRatio(e); r.succeeded()) {
            ratios.own = QPointF(e.Gasket_Thickness, r.value);
        }
        gasket.plots[0].series.append(ratios);
        if (!gasket.plots[0].targets.contains(e.Compression_Ratio)) {
            gasket.plots[0].targets.append(e.Compression_Ratio);
        }
    }
    cam.point = gasket.point = point;
    return {cam, gasket};
}

QList<SheetRow> chartRows(const QList<SheetEngine>& engines, const SheetSettings& settings) {
    using Kind = SheetRow::Kind;
    const QString none = QStringLiteral("-");
    QList<SheetRow> rows;
    rows.append({Kind::Heading,
                 Sheet::tr("Cam installed advanced or retarded: dynamic compression ratio / "
                           "cranking cylinder pressure, psi"),
                 {}});
    QList<std::vector<CamPoint>> cams;
    for (const auto& sheet : engines) {
        cams.append(camCurve(sheet.engine));
    }
    const std::size_t steps = cams.isEmpty() ? 0 : cams.front().size();
    for (std::size_t i = 0; i < steps; ++i) {
        const int step = int(i) - camSteps; // negative: advanced
        const QString label = step < 0 ? Sheet::tr("Intake centerline advanced %1\u00B0").arg(-step)
                              : step > 0
                                  ? Sheet::tr("Intake centerline retarded %1\u00B0").arg(step)
                                  : Sheet::tr("Intake centerline as installed");
        QStringList values;
        for (const auto& points : cams) {
            const auto& p = points[i];
            values << (camOk(p) ? figure(p.dynamicRatio, 2, settings.point) +
                                      QStringLiteral(" / ") + figure(p.pressure, 2, settings.point)
                                : none);
        }
        rows.append({Kind::Figure, label, values});
    }
    rows.append({Kind::Heading, Sheet::tr("Head gasket: static compression ratio"), {}});
    // The steps, and among them each engine's own gasket, as the cam table
    // has the cam as installed.
    if (engines.isEmpty()) {
        return rows;
    }
    std::vector<double> gasketSteps;
    for (const auto& p : gasketCurve(engines.front().engine, rangeFor(engines))) {
        gasketSteps.push_back(p.thickness);
    }
    std::vector<double> thicknesses = gasketSteps;
    for (const auto& sheet : engines) {
        const double own = sheet.engine.Gasket_Thickness;
        if (std::isfinite(own) && own >= 0 && own <= thickestGasketShown &&
            std::find(thicknesses.begin(), thicknesses.end(), own) == thicknesses.end()) {
            thicknesses.push_back(own);
        }
    }
    std::sort(thicknesses.begin(), thicknesses.end());
    for (const double thickness : thicknesses) {
        QStringList values;
        for (const auto& sheet : engines) {
            EngineData changed = sheet.engine;
            changed.Gasket_Thickness = thickness;
            const auto ratio = compressionRatio(changed);
            values << (ratio.succeeded() ? figure(ratio.value, 2, settings.point) : none);
        }
        const bool onAStep =
            std::find(gasketSteps.begin(), gasketSteps.end(), thickness) != gasketSteps.end();
        rows.append({Kind::Figure,
                     onAStep ? Sheet::tr("Gasket %1 in (%2 mm)")
                                   .arg(figure(thickness, 3, settings.point),
                                        figure(thickness * millimetresPerInch, 2, settings.point))
                             : Sheet::tr("Gasket %1 in (%2 mm), the engine as it is")
                                   .arg(figure(thickness, 4, settings.point),
                                        figure(thickness * millimetresPerInch, 3, settings.point)),
                     values});
    }
    return rows;
}

PointTable chartPoints(const QList<SheetEngine>& engines) {
    PointTable table;
    table.header = QStringList{Sheet::tr("Chart"),
                               Sheet::tr("Data file"),
                               Sheet::tr("Intake centerline, degrees after TDC"),
                               Sheet::tr("Compressed gasket thickness, in"),
                               Sheet::tr("Compressed gasket thickness, mm"),
                               Sheet::tr("Dynamic compression ratio"),
                               Sheet::tr("Cranking cylinder pressure, psi"),
                               Sheet::tr("Static compression ratio"),
                               Sheet::tr("The engine as it is")};
    const QString yes = Sheet::tr("yes");
    const QString camName = Sheet::tr("cam");
    const QString gasketName = Sheet::tr("gasket");
    const auto range = rangeFor(engines);
    for (const auto& sheet : engines) {
        const auto cam = camCurve(sheet.engine);
        for (std::size_t i = 0; i < cam.size(); ++i) {
            const auto& p = cam[i];
            table.rows.append({camName,
                               nameOf(sheet),
                               figure(p.centerline, 1),
                               {},
                               {},
                               camOk(p) ? figure(p.dynamicRatio, 2) : QString(),
                               camOk(p) ? figure(p.pressure, 2) : QString(),
                               {},
                               int(i) == camSteps ? yes : QString()});
        }
    }
    for (const auto& sheet : engines) {
        for (const auto& p : gasketCurveWithOwn(sheet.engine, range)) {
            const bool own = p.thickness == sheet.engine.Gasket_Thickness;
            table.rows.append({gasketName,
                               nameOf(sheet),
                               {},
                               figure(p.thickness, 4),
                               figure(p.thickness * millimetresPerInch, 3),
                               {},
                               {},
                               gasketOk(p) ? figure(p.ratio, 2) : QString(),
                               own ? yes : QString()});
        }
    }
    return table;
}

} // namespace tolvaric
