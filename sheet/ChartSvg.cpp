// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/ChartSvg.h"

#include "sheet/ChartDrawing.h"
#include "text/XmlText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tolvaric {

namespace {

// Written by appending bytes, not by QString::arg: a chart has some hundred
// elements, and the page should not take longer for its charts than for
// its figures. The text is UTF-8, made a QString once.
class SvgCanvas : public ChartCanvas {
  public:
    explicit SvgCanvas(std::string& out) : svg(out) {}

    void rule(const QLineF& line, bool bold) override {
        lineElement(line);
        svg += " stroke=\"";
        svg += bold ? chartStyle::axisColour : chartStyle::gridColour;
        svg += "\"/>\n";
    }
    void target(const QLineF& line) override {
        lineElement(line);
        svg += " stroke=\"";
        svg += chartStyle::targetColour;
        svg += "\" stroke-dasharray=\"";
        number(chartStyle::targetDash);
        svg += ' ';
        number(chartStyle::targetDash);
        svg += "\"/>\n";
    }
    void series(const QList<QPointF>& line, int index) override {
        svg += "<polyline points=\"";
        points(line);
        svg += "\" fill=\"none\" stroke-width=\"";
        number(chartStyle::lineWidth);
        svg += "\" stroke=\"";
        svg += seriesColourName(index);
        svg += '"';
        const auto dashes = seriesDashes(index);
        if (!dashes.isEmpty()) {
            svg += " stroke-dasharray=\"";
            for (const double d : dashes) {
                number(d);
                svg += ' ';
            }
            svg.pop_back();
            svg += '"';
        }
        svg += "/>\n";
    }
    void marker(const QPointF& at, int index, bool own) override {
        const auto look = markerLook(index, own);
        if (look.shape == MarkerShape::Circle) {
            svg += "<circle cx=\"";
            number(at.x());
            svg += "\" cy=\"";
            number(at.y());
            svg += "\" r=\"";
            number(look.radius);
        } else {
            svg += "<polygon points=\"";
            points(markerOutline(look.shape, at, look.radius));
        }
        paint(look);
    }
    // One path for all of them, each drawn from its point in relative steps.
    void markers(const QList<QPointF>& at, int index) override {
        if (at.isEmpty()) {
            return;
        }
        const auto look = markerLook(index, false);
        const std::string steps = shapeSteps(look);
        svg += "<path d=\"";
        for (const auto& p : at) {
            svg += 'M';
            number(p.x());
            svg += ' ';
            number(p.y());
            svg += steps;
        }
        paint(look);
    }
    void text(const QPointF& at, const QString& text, Anchor anchor, bool vertical,
              bool heading) override {
        static const std::array<const char*, 3> anchors{"start", "middle", "end"};
        svg += "<text x=\"";
        number(at.x());
        svg += "\" y=\"";
        number(at.y());
        svg += "\" text-anchor=\"";
        svg += anchors[std::size_t(anchor)];
        svg += '"';
        if (vertical) {
            svg += " transform=\"rotate(-90 ";
            number(at.x());
            svg += ' ';
            number(at.y());
            svg += ")\"";
        }
        if (heading) {
            svg += " font-weight=\"bold\"";
        }
        svg += '>';
        svg += xmlText(text).toStdString();
        svg += "</text>\n";
    }

  private:
    // The end of a marker's element: its stroke and fill.
    void paint(const MarkerLook& look) {
        svg += "\" stroke=\"";
        svg += look.stroke;
        svg += "\" fill=\"";
        svg += look.fill ? look.fill : "none";
        if (look.strokeWidth != 1) {
            svg += "\" stroke-width=\"";
            number(look.strokeWidth);
        }
        svg += "\"/>\n";
    }

    // A marker from its centre in relative steps: its outline, or a circle.
    std::string shapeSteps(const MarkerLook& look) {
        std::string steps;
        std::swap(steps, svg); // number() writes to svg
        const double r = look.radius;
        const auto outline = markerOutline(look.shape, QPointF(0, 0), r);
        if (outline.isEmpty()) {
            svg += 'm';
            number(-r);
            svg += " 0a";
            number(r);
            svg += ' ';
            number(r);
            svg += " 0 1 0 ";
            number(2 * r);
            svg += " 0a";
            number(r);
            svg += ' ';
            number(r);
            svg += " 0 1 0 ";
            number(-2 * r);
            svg += " 0z";
        } else {
            QPointF at(0, 0);
            for (qsizetype i = 0; i < outline.size(); ++i) {
                svg += i == 0 ? 'm' : 'l';
                number(outline[i].x() - at.x());
                svg += ' ';
                number(outline[i].y() - at.y());
                at = outline[i];
            }
            svg += 'z';
        }
        std::swap(steps, svg);
        return steps;
    }

    void lineElement(const QLineF& line) {
        svg += "<line x1=\"";
        number(line.x1());
        svg += "\" y1=\"";
        number(line.y1());
        svg += "\" x2=\"";
        number(line.x2());
        svg += "\" y2=\"";
        number(line.y2());
        svg += '"';
    }
    void points(const QList<QPointF>& line) {
        for (const auto& p : line) {
            number(p.x());
            svg += ',';
            number(p.y());
            svg += ' ';
        }
        if (!line.isEmpty()) {
            svg.pop_back();
        }
    }
    // To a tenth of a pixel, which no screen or printer shows finer.
    void number(double value) {
        const auto tenths = std::llround(std::clamp(value, -1e9, 1e9) * 10);
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, std::llabs(tenths) / 10).ptr;
        if (tenths < 0) {
            svg += '-';
        }
        svg.append(digits, end);
        svg += '.';
        svg += char('0' + std::llabs(tenths) % 10);
    }

    std::string& svg;
};

} // namespace

void appendChartSvg(QString& out, const SheetChart& chart, double width) {
    const double height = chartHeight(chart);
    std::string svg;
    svg.reserve(16384);
    svg += QString(QLatin1String("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"") +
                   QString::number(width) + QLatin1String("\" height=\"") +
                   QString::number(height) + QLatin1String("\" viewBox=\"0 0 ") +
                   QString::number(width) + QLatin1Char(' ') + QString::number(height) +
                   QLatin1String("\" font-family=\"sans-serif\" font-size=\"") +
                   QString::number(chartTypePixels) + QLatin1String("\" role=\"img\"><title>") +
                   xmlText(chart.title) + QLatin1String("</title>\n"))
               .toStdString();
    SvgCanvas canvas(svg);
    drawChart(chart, width, canvas);
    svg += "</svg>\n";
    out += QString::fromUtf8(svg.data(), qsizetype(svg.size()));
}

} // namespace tolvaric
