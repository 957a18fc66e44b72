// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The help's picture of the sheet's charts, painted by the program's own
// chart painter for the sample engine beside it with a thicker gasket and
// the cam retarded 4 degrees, as the README compares them.

#include <QImage>

namespace pictures {

// Both charts stacked, `width` pixels wide at `scale` times their size.
QImage sheetCharts(double width, int scale);

} // namespace pictures
