// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/ChartPainter.h"

#include "text/ChartDrawing.h"

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
        m_painter.setPen(QPen(bold ? QColor(Qt::black) : QColor(0xdd, 0xdd, 0xdd), 1));
        m_painter.drawLine(line);
    }
    void target(const QLineF& line) override {
        QPen pen(QColor(0x77, 0x77, 0x77), 1);
        pen.setDashPattern({4, 4});
        m_painter.setPen(pen);
        m_painter.drawLine(line);
    }
    void series(const QList<QPointF>& line, int index) override {
        QPen pen(QColor(seriesColour(index)), 1.5);
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
        const QColor colour(seriesColour(index));
        const double r = own ? 4.5 : 2.5;
        const auto shape = seriesMarker(index);
        m_painter.setPen(QPen(colour, own && shape == MarkerShape::Cross ? 2 : 1));
        m_painter.setBrush(shape == MarkerShape::Cross ? QBrush(Qt::NoBrush)
                                                       : QBrush(own ? colour : QColor(Qt::white)));
        if (shape == MarkerShape::Circle) {
            m_painter.drawEllipse(at, r, r);
            return;
        }
        const auto outline = markerOutline(shape, at, r);
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
    return chartHeight(chart, width);
}

} // namespace tolvaric
