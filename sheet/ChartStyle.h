// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// How a sheet chart looks, read by every surface that draws one (the HTML
// sheet's SVG and the PDF's painter), so that the two never differ: the
// rules' and targets' colours and dashes, and each engine's colour, dashes
// and marker. Each engine's line has its own dashes and markers as well as
// its colour, so a chart reads in black and white.

#include <QList>
#include <QPointF>
#include <QString>

namespace tolvaric::chartStyle {

inline constexpr const char* axisColour = "#000000";
inline constexpr const char* gridColour = "#dddddd";
inline constexpr const char* targetColour = "#777777";
inline constexpr double targetDash = 4; // on, then as much off
inline constexpr double lineWidth = 1.5;

} // namespace tolvaric::chartStyle

namespace tolvaric {

enum class MarkerShape { Circle, Square, Triangle, Diamond, Cross };

// The n-th engine's style.
const char* seriesColourName(int index); // "#rrggbb"
QString seriesColour(int index);
QList<double> seriesDashes(int index); // on, off, ...; empty: solid
MarkerShape seriesMarker(int index);
// How many engines have a style each before the styles come round again.
int distinctSeriesStyles();

// A marker as every surface draws it: the n-th engine's shape; the engine
// as it is larger and filled with its colour, the other points white.
struct MarkerLook {
    MarkerShape shape = MarkerShape::Circle;
    double radius = 0;
    const char* stroke = nullptr; // "#rrggbb"
    const char* fill = nullptr;   // "#rrggbb", or nullptr for none
    double strokeWidth = 1;
};
MarkerLook markerLook(int index, bool own);
// A marker's outline around `at`, `radius` from its centre (not for a circle).
QList<QPointF> markerOutline(MarkerShape shape, const QPointF& at, double radius);

} // namespace tolvaric
