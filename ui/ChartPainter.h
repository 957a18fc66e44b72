// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A sheet chart painted on a page, as the HTML sheet draws it in SVG.

#include "sheet/SheetCharts.h"

class QPainter;

namespace tolvaric {

// Paints the chart with its top left corner at the painter's origin, at
// `width` of the chart's own pixels; gives the height it took.
double paintChart(QPainter& painter, const SheetChart& chart, double width);

} // namespace tolvaric
