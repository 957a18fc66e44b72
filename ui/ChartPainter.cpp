// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/ChartPainter.h"

#include "sheet/ChartDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace tolvaric {

namespace {

class PainterCanvas : public ChartCanvas {
  public:
    explicit PainterCanvas(QPainter& painter) : m_painter(painter) {
        m_font = painter.font();
        m_font.setPixelSize(int(chartTypePixels));
        m_bold = m_font;
        m_bold.setBold(true);
    }

    void rule(const QLineF& line, bool bold) override {
        m_painter.setPen(
            QPen(QColor(QLatin1String(bold ? chartStyle::axisColour : chartStyle::gridColour)), 1));
        m_painter.drawLine(line);
    }
    void target(const QLineF& line) override {
        QPen pen(QColor(QLatin1String(chartStyle::targetColour)), 1);
        pen.setDashPattern({chartStyle::targetDash, chartStyle::targetDash});
        m_painter.setPen(pen);
        m_painter.drawLine(line);
    }
    void series(const QList<QPointF>& line, int index) override {
        QPen pen(QColor(seriesColour(index)), chartStyle::lineWidth);
        const auto dashes = seriesDashes(index);
        if (!dashes.isEmpty()) {
            QList<qreal> pattern; // in pen widths
            for (const double d : dashes) {
                pattern << d / pen.widthF();
            }
            pen.setDashPattern(pattern);
        }
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolyline(line.constData(), int(line.size()));
    }
    void marker(const QPointF& at, int index, bool own) override {
        const auto look = markerLook(index, own);
        m_painter.setPen(QPen(QColor(QLatin1String(look.stroke)), look.strokeWidth));
        m_painter.setBrush(look.fill ? QBrush(QColor(QLatin1String(look.fill)))
                                     : QBrush(Qt::NoBrush));
        if (look.shape == MarkerShape::Circle) {
            m_painter.drawEllipse(at, look.radius, look.radius);
            return;
        }
        const auto outline = markerOutline(look.shape, at, look.radius);
        m_painter.drawPolygon(outline.constData(), int(outline.size()));
    }
    void text(const QPointF& at, const QString& text, Anchor anchor, bool vertical,
              bool heading) override {
        m_painter.setFont(heading ? m_bold : m_font);
        m_painter.setPen(Qt::black);
        const double width = QFontMetricsF(m_painter.font()).horizontalAdvance(text);
        const double shift = anchor == Anchor::Start    ? 0
                             : anchor == Anchor::Middle ? width / 2
                                                        : width;
        m_painter.save();
        m_painter.translate(at);
        if (vertical) {
            m_painter.rotate(-90);
        }
        m_painter.drawText(QPointF(-shift, 0), text);
        m_painter.restore();
    }

  private:
    QPainter& m_painter;
    QFont m_font;
    QFont m_bold;
};

} // namespace

double paintChart(QPainter& painter, const SheetChart& chart, double width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter);
    drawChart(chart, width, canvas);
    painter.restore();
    return chartHeight(chart);
}

} // namespace tolvaric
