// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A sheet chart as an <svg> element, for the HTML sheet.

#include "sheet/SheetCharts.h"

#include <QString>

namespace tolvaric {

// The chart `width` of its pixels wide, after `out`.
void appendChartSvg(QString& out, const SheetChart& chart, double width);

} // namespace tolvaric
