// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// How a sheet chart is drawn, once for every surface: the layout (title,
// plots stacked on one x axis, ticks, the targets across, a legend) goes to
// a canvas, which the HTML sheet writes as SVG (sheet/ChartSvg) and the PDF
// paints (ui/ChartPainter), both in the look of sheet/ChartStyle.

#include "sheet/ChartStyle.h"
#include "sheet/SheetCharts.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace tolvaric {

enum class Anchor { Start, Middle, End };

inline constexpr double chartTypePixels = 10;  // the charts' type, in their own pixels
inline constexpr double chartPlotHeight = 150; // each plot's, which its y label runs along
inline constexpr double chartPlotGap = 12;     // between two plots, one above the other

class ChartCanvas {
  public:
    virtual ~ChartCanvas() = default;
    // An axis (bold) or a grid line (faint).
    virtual void rule(const QLineF& line, bool bold) = 0;
    // A target across the plot, dashed grey.
    virtual void target(const QLineF& line) = 0;
    virtual void series(const QList<QPointF>& line, int index) = 0;
    // A point of the n-th line; the engine as it is has a larger, filled one.
    virtual void marker(const QPointF& at, int index, bool own) = 0;
    // The small markers along the n-th line.
    virtual void markers(const QList<QPointF>& at, int index) {
        for (const auto& point : at) {
            marker(point, index, false);
        }
    }
    // `at` is the start, middle or end of the text's baseline; a vertical
    // text reads upwards.
    virtual void text(const QPointF& at, const QString& text, Anchor anchor, bool vertical,
                      bool heading) = 0;
};

// The height a chart takes, its legend included, at any width.
double chartHeight(const SheetChart& chart);
void drawChart(const SheetChart& chart, double width, ChartCanvas& canvas);

} // namespace tolvaric
