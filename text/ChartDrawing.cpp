// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/ChartDrawing.h"

#include "model/DisplayPicture.h"
#include "text/TerminalText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tolvaric {

namespace {

// The sheet's translation context ("tolvaric::Sheet").
class Sheet {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::Sheet)
};

// The chart's measures, in its own pixels.
constexpr double titleHeight = 20;
constexpr double plotHeight = 150;
constexpr double plotGap = 12;
constexpr double leftMargin = 62; // the y axis' label and its ticks
constexpr double rightMargin = 14;
constexpr double belowPlots = 46; // the x axis' ticks, in both units, and its label
constexpr double legendRow = 15;
constexpr int legendColumns = 3;
constexpr int mostTicks = 12;

struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void take(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    bool usable() const { return std::isfinite(low) && std::isfinite(high); }
};

// An axis on round numbers: steps of 1, 2 or 5 times a power of ten.
struct Axis {
    double low = 0;
    double high = 1;
    double step = 1;
    int decimals = 0;
    double at(double value, double from, double to) const {
        return from + (value - low) / (high - low) * (to - from);
    }
};

Axis niceAxis(Range range, int wanted) {
    if (!range.usable()) {
        return {};
    }
    if (!(range.high > range.low)) {
        const double margin = std::max(std::fabs(range.low) * 0.05, 0.5);
        range.low -= margin;
        range.high += margin;
    }
    const double raw = (range.high - range.low) / wanted;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    Axis axis;
    axis.step = 10 * magnitude;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw) {
            axis.step = m * magnitude;
            break;
        }
    }
    axis.low = std::floor(range.low / axis.step) * axis.step;
    axis.high = std::ceil(range.high / axis.step) * axis.step;
    if (!(axis.high > axis.low) || !std::isfinite(axis.high - axis.low)) {
        return {};
    }
    axis.decimals = int(std::clamp(-std::floor(std::log10(axis.step) + 1e-9), 0.0, 6.0));
    return axis;
}

// The axis' round values, from its low end to its high one.
QList<double> tickValues(const Axis& axis) {
    QList<double> values;
    for (int i = 0; i <= mostTicks; ++i) {
        const double value = axis.low + i * axis.step;
        if (value > axis.high + axis.step / 2) {
            break;
        }
        values.append(value);
    }
    return values;
}

QString tick(double value, int decimals) {
    return QString::fromStdString(formatFigure(value, decimals));
}

// Dark enough to print; told apart by dashes and markers too.
constexpr std::array<const char*, 6> colourNames{"#000000", "#1f4e9c", "#b2182b",
                                                 "#2b7a2b", "#6a3d9a", "#8c510a"};

int legendRows(const SheetChart& chart) {
    const auto count = chart.plots.isEmpty() ? 0 : chart.plots.front().series.size();
    return int((count + legendColumns - 1) / legendColumns);
}

} // namespace

QString seriesColour(int index) {
    return QLatin1String(colourNames[std::size_t(index) % colourNames.size()]);
}

QList<double> seriesDashes(int index) {
    switch (index % 4) {
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
    static const std::array<MarkerShape, 5> shapes{MarkerShape::Circle, MarkerShape::Square,
                                                   MarkerShape::Triangle, MarkerShape::Diamond,
                                                   MarkerShape::Cross};
    return shapes[std::size_t(index) % shapes.size()];
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

double chartHeight(const SheetChart& chart, double /*width*/) {
    const auto plots = double(chart.plots.size());
    return titleHeight + plots * plotHeight + std::max(0.0, plots - 1) * plotGap + belowPlots +
           legendRows(chart) * legendRow + 4;
}

void drawChart(const SheetChart& chart, double width, ChartCanvas& canvas) {
    const double left = leftMargin;
    const double right = width - rightMargin;
    canvas.text({0, 14}, chart.title, Anchor::Start, false, true);

    Range xs;
    for (const auto& plot : chart.plots) {
        for (const auto& series : plot.series) {
            for (const auto& line : series.lines) {
                for (const auto& p : line) {
                    xs.take(p.x());
                }
            }
            if (series.own) {
                xs.take(series.own->x());
            }
        }
    }
    Axis x = niceAxis(xs, 8);
    x.decimals = std::max(x.decimals, chart.xDecimals);
    const double plotsBottom =
        titleHeight + chart.plots.size() * plotHeight + (chart.plots.size() - 1) * plotGap;

    for (qsizetype n = 0; n < chart.plots.size(); ++n) {
        const auto& plot = chart.plots[n];
        const double top = titleHeight + n * (plotHeight + plotGap);
        const double bottom = top + plotHeight;
        Range ys;
        for (const auto& series : plot.series) {
            for (const auto& line : series.lines) {
                for (const auto& p : line) {
                    ys.take(p.y());
                }
            }
        }
        for (const double target : plot.targets) {
            if (ys.usable() && target > ys.low - (ys.high - ys.low) && target < ys.high * 2) {
                ys.take(target); // a target far off the curves would flatten them
            }
        }
        const Axis y = niceAxis(ys, 4);
        // Grid and ticks.
        for (const double value : tickValues(y)) {
            const double at = y.at(value, bottom, top);
            canvas.rule({left, at, right, at}, false);
            canvas.text({left - 4, at + 3.5}, tick(value, y.decimals), Anchor::End, false, false);
        }
        for (const double value : tickValues(x)) {
            const double at = x.at(value, left, right);
            canvas.rule({at, top, at, bottom}, false);
            if (n + 1 == chart.plots.size()) {
                canvas.text({at, bottom + 13}, tick(value, x.decimals), Anchor::Middle, false,
                            false);
                if (!chart.xSecondary.isEmpty()) {
                    canvas.text({at, bottom + 25},
                                chart.xSecondary.arg(tick(value * chart.xSecondaryFactor,
                                                          std::max(0, x.decimals - 1))),
                                Anchor::Middle, false, false);
                }
            }
        }
        canvas.rule({left, top, left, bottom}, true);
        canvas.rule({left, bottom, right, bottom}, true);
        canvas.text({14, (top + bottom) / 2}, plot.yLabel, Anchor::Middle, true, false);
        for (const double target : plot.targets) {
            if (target >= y.low && target <= y.high) {
                const double at = y.at(target, bottom, top);
                canvas.target({left, at, right, at});
                canvas.text({right - 2, at - 3},
                            Sheet::tr("target %1").arg(tick(target, plot.yDecimals)), Anchor::End,
                            false, false);
            }
        }
        const auto place = [&](const QPointF& p) {
            return QPointF(x.at(p.x(), left, right), y.at(p.y(), bottom, top));
        };
        for (qsizetype s = 0; s < plot.series.size(); ++s) {
            const auto& series = plot.series[s];
            for (const auto& line : series.lines) {
                QList<QPointF> placed;
                for (const auto& p : line) {
                    placed.append(place(p));
                }
                canvas.series(placed, int(s));
                canvas.markers(placed, int(s));
            }
            if (series.own) {
                canvas.marker(place(*series.own), int(s), true);
            }
        }
    }
    canvas.text({(left + right) / 2, plotsBottom + 38}, chart.xLabel, Anchor::Middle, false, false);

    // The legend: a piece of each line, its marker and its engine's name.
    if (chart.plots.isEmpty()) {
        return;
    }
    const auto& names = chart.plots.front().series;
    const double column = (right - left) / legendColumns;
    for (qsizetype s = 0; s < names.size(); ++s) {
        const auto row = s / legendColumns; // names in rows of three
        const double at = plotsBottom + belowPlots + double(row) * legendRow + 6;
        const double from = left + (s % legendColumns) * column;
        canvas.series({{from, at}, {from + 26, at}}, int(s));
        canvas.marker({from + 13, at}, int(s), true);
        canvas.text({from + 32, at + 3.5}, pageCell(names[s].name), Anchor::Start, false, false);
    }
    canvas.text({right, plotsBottom + belowPlots + legendRows(chart) * legendRow},
                Sheet::tr("large marker: the engine as it is"), Anchor::End, false, false);
}

namespace {

// Written by appending bytes, not by QString::arg: a chart has some hundred
// elements, and the page should not take longer for its charts than for
// its figures. The text is UTF-8, made a QString once.
class SvgCanvas : public ChartCanvas {
  public:
    explicit SvgCanvas(std::string& out) : svg(out) {}

    void rule(const QLineF& line, bool bold) override {
        lineElement(line);
        svg += bold ? " stroke=\"#000\"/>\n" : " stroke=\"#ddd\"/>\n";
    }
    void target(const QLineF& line) override {
        lineElement(line);
        svg += " stroke=\"#777\" stroke-dasharray=\"4 4\"/>\n";
    }
    void series(const QList<QPointF>& line, int index) override {
        svg += "<polyline points=\"";
        points(line);
        svg += "\" fill=\"none\" stroke-width=\"1.5\" stroke=\"";
        svg += colourNames[std::size_t(index) % colourNames.size()];
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
        const double r = own ? 4.5 : 2.5;
        const auto shape = seriesMarker(index);
        if (shape == MarkerShape::Circle) {
            svg += "<circle cx=\"";
            number(at.x());
            svg += "\" cy=\"";
            number(at.y());
            svg += "\" r=\"";
            number(r);
        } else {
            svg += "<polygon points=\"";
            points(markerOutline(shape, at, r));
        }
        svg += "\" stroke=\"";
        svg += colourNames[std::size_t(index) % colourNames.size()];
        svg += "\" fill=\"";
        svg += shape == MarkerShape::Cross ? "none"
               : own                       ? colourNames[std::size_t(index) % colourNames.size()]
                                           : "#fff";
        svg += own && shape == MarkerShape::Cross ? "\" stroke-width=\"2\"/>\n" : "\"/>\n";
    }
    // One path for all of them, each drawn from its point in relative steps.
    void markers(const QList<QPointF>& at, int index) override {
        if (at.isEmpty()) {
            return;
        }
        const auto shape = seriesMarker(index);
        const char* steps = shapeSteps(shape);
        svg += "<path d=\"";
        for (const auto& p : at) {
            svg += 'M';
            number(p.x());
            svg += ' ';
            number(p.y());
            svg += steps;
        }
        svg += "\" stroke=\"";
        svg += colourNames[std::size_t(index) % colourNames.size()];
        svg += shape == MarkerShape::Cross ? "\" fill=\"none\"/>\n" : "\" fill=\"#fff\"/>\n";
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
        svg += text.toHtmlEscaped().toStdString();
        svg += "</text>\n";
    }

  private:
    // A small marker (radius 2.5) from its centre, as markerOutline draws it.
    static const char* shapeSteps(MarkerShape shape) {
        switch (shape) {
        case MarkerShape::Square:
            return "m-2.5-2.5h5v5h-5z";
        case MarkerShape::Triangle:
            return "m0-3l2.75 5h-5.5z";
        case MarkerShape::Diamond:
            return "m0-3.25l3.25 3.25l-3.25 3.25l-3.25-3.25z";
        case MarkerShape::Cross:
            return "m-2.5-2.5l5 5m0-5l-5 5";
        case MarkerShape::Circle:
            break;
        }
        return "m-2.5 0a2.5 2.5 0 1 0 5 0a2.5 2.5 0 1 0-5 0z";
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
    const double height = chartHeight(chart, width);
    std::string svg;
    svg.reserve(16384);
    svg += QString(QLatin1String("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"") +
                   QString::number(width) + QLatin1String("\" height=\"") +
                   QString::number(height) + QLatin1String("\" viewBox=\"0 0 ") +
                   QString::number(width) + QLatin1Char(' ') + QString::number(height) +
                   QLatin1String("\" font-family=\"sans-serif\" font-size=\"") +
                   QString::number(chartTypePixels) + QLatin1String("\" role=\"img\"><title>") +
                   chart.title.toHtmlEscaped() + QLatin1String("</title>\n"))
               .toStdString();
    SvgCanvas canvas(svg);
    drawChart(chart, width, canvas);
    svg += "</svg>\n";
    out += QString::fromUtf8(svg.data(), qsizetype(svg.size()));
}

} // namespace tolvaric
