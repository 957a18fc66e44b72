// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The sheet's two charts, of the choices a builder makes with it: the cam
// installed advanced or retarded (dynamic ratio and cranking pressure by
// intake centerline) and the head gasket (static ratio by compressed
// thickness), one line per engine named as its column is. The same points
// go into the text sheet as small tables and into the CSV as rows.

#include "model/BuildChoices.h"
#include "sheet/SheetInput.h"
#include "sheet/SheetRows.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

namespace tolvaric {

struct ChartSeries {
    QString name;                // the engine's data file
    QList<QList<QPointF>> lines; // runs of points; a point that failed breaks the line
    std::optional<QPointF> own;  // the engine as it is
    QString mark;                // after the name in the legend: " (left off)", " (boost)"
};

struct ChartPlot {
    QString yLabel;
    int yDecimals = 2;
    QList<ChartSeries> series;
    QList<double> targets; // the engines' target ratios, drawn across
};

struct SheetChart {
    QString title;
    QString xLabel;
    int xDecimals = 0;
    QString xSecondary;                  // the x axis in another unit: "%1 mm"; empty for none
    double xSecondaryFactor = 1;         // from x's unit to it
    QList<ChartPlot> plots;              // stacked, sharing the x axis
    QString point = QStringLiteral("."); // the decimal separator, as the figures beside it
    QStringList notes{};                 // under the legend: what its marks mean
};

// The cam chart, then the gasket chart, their figures with `point`. With a
// boost chosen, the cam chart has a line more for each engine: the dynamic
// ratio as the boost makes it act, and the pressure that implies.
QList<SheetChart> sheetCharts(const QList<SheetEngine>& engines, const BuildChoices& choices = {},
                              const QString& point = QStringLiteral("."));

// The points as rows for the text sheet: a heading and a row per step.
QList<SheetRow> chartRows(const QList<SheetEngine>& engines, const SheetSettings& settings);

// The points as a table of their own, a row per point: the chart's name
// and the data file (text), then figures in "." notation, empty where a
// point has none.
struct PointTable {
    QStringList header;
    QList<QStringList> rows;
};
PointTable chartPoints(const QList<SheetEngine>& engines);

} // namespace tolvaric
