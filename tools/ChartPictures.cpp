// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "tools/ChartPictures.h"

#include "model/EngineData.h"
#include "sheet/SheetCharts.h"
#include "ui/ChartPainter.h"

#include <QPainter>

namespace pictures {

using namespace tolvaric;

QImage sheetCharts(double width, int scale) {
    SheetEngine sample{QStringLiteral("tolvaric.dat"), {}, initialEngineData()};
    SheetEngine changed = sample;
    changed.file = QStringLiteral("gasket51.dat");
    changed.engine.Gasket_Thickness = 0.051;
    changed.engine.Intake_Centerline = 110;
    const QList<SheetChart> charts = tolvaric::sheetCharts({sample, changed});

    // Painted once to learn the heights, then on a page that fits them.
    constexpr double gap = 24;
    QList<double> heights;
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        for (const SheetChart& chart : charts) {
            heights.append(paintChart(painter, chart, width));
        }
    }
    double height = gap * double(charts.size() - 1);
    for (const double h : heights) {
        height += h;
    }
    QImage image(int(width * scale), int(height * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (qsizetype i = 0; i < charts.size(); ++i) {
        paintChart(painter, charts[i], width);
        painter.translate(0, heights[i] + gap);
    }
    return image;
}

} // namespace pictures
