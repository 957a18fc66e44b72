// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "tools/ChartPictures.h"

#include "model/EngineData.h"
#include "sheet/ChartDrawing.h"
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

    constexpr double gap = 24;
    double height = gap * double(charts.size() - 1);
    for (const SheetChart& chart : charts) {
        height += chartHeight(chart);
    }
    QImage image(int(width * scale), int(height * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (const SheetChart& chart : charts) {
        painter.translate(0, paintChart(painter, chart, width) + gap);
    }
    return image;
}

} // namespace pictures
