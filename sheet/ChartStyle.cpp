// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/ChartStyle.h"

#include <array>
#include <numeric>

namespace tolvaric {

namespace {

// Dark enough to print; told apart by dashes and markers too.
constexpr std::array<const char*, 6> colourNames{"#000000", "#1f4e9c", "#b2182b",
                                                 "#2b7a2b", "#6a3d9a", "#8c510a"};
constexpr int dashPatternCount = 4;
constexpr std::array<MarkerShape, 5> shapes{MarkerShape::Circle, MarkerShape::Square,
                                            MarkerShape::Triangle, MarkerShape::Diamond,
                                            MarkerShape::Cross};
constexpr double markerRadius = 2.5;
constexpr double ownMarkerRadius = 4.5;

} // namespace

const char* seriesColourName(int index) {
    return colourNames[std::size_t(index) % colourNames.size()];
}

QString seriesColour(int index) {
    return QLatin1String(seriesColourName(index));
}

QList<double> seriesDashes(int index) {
    switch (index % dashPatternCount) {
    case 1:
        return {6, 3};
    case 2:
        return {1.5, 2.5};
    case 3:
        return {7, 2, 1.5, 2};
    default:
        return {};
    }
}

MarkerShape seriesMarker(int index) {
    return shapes[std::size_t(index) % shapes.size()];
}

int distinctSeriesStyles() {
    return std::lcm(std::lcm(int(colourNames.size()), dashPatternCount), int(shapes.size()));
}

MarkerLook markerLook(int index, bool own) {
    MarkerLook look;
    look.shape = seriesMarker(index);
    look.radius = own ? ownMarkerRadius : markerRadius;
    look.stroke = seriesColourName(index);
    const bool cross = look.shape == MarkerShape::Cross; // lines alone, nothing to fill
    look.fill = cross ? nullptr : own ? look.stroke : "#ffffff";
    look.strokeWidth = own && cross ? 2 : 1;
    return look;
}

QList<QPointF> markerOutline(MarkerShape shape, const QPointF& at, double r) {
    const double x = at.x();
    const double y = at.y();
    switch (shape) {
    case MarkerShape::Square:
        return {{x - r, y - r}, {x + r, y - r}, {x + r, y + r}, {x - r, y + r}};
    case MarkerShape::Triangle:
        return {{x, y - r * 1.2}, {x + r * 1.1, y + r * 0.8}, {x - r * 1.1, y + r * 0.8}};
    case MarkerShape::Diamond:
        return {{x, y - r * 1.3}, {x + r * 1.3, y}, {x, y + r * 1.3}, {x - r * 1.3, y}};
    case MarkerShape::Cross: // an X drawn as one outline through its centre
        return {{x - r, y - r}, {x + r, y + r}, at, {x + r, y - r}, {x - r, y + r}, at};
    case MarkerShape::Circle:
        break;
    }
    return {};
}

} // namespace tolvaric
