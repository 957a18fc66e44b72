// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/ChartDrawing.h"

#include "model/DisplayPicture.h"
#include "sheet/ChartAxis.h"
#include "storage/WholeText.h"
#include "text/TerminalText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

namespace tolvaric {

namespace {

// The chart's measures, in its own pixels.
constexpr double titleHeight = 26; // clear of the top tick's label
constexpr double leftMargin = 62;  // the y axis' label and its ticks
constexpr double rightMargin = 14;
constexpr double targetMargin = 80; // the targets' labels, beside the plot
constexpr double labelGap = 12.5;   // between two labels' baselines
// A generous width of one character of the charts' type: a name cut to
// fit a legend column by it never runs into the next.
constexpr double characterWidth = 6.5;
constexpr double belowPlots = 52; // the x axis' ticks, in both units, and its label
constexpr double legendRow = 15;
constexpr int legendColumns = 3;

QString tick(double value, int decimals, const QString& point) {
    return QString::fromStdString(formatFigure(value, decimals, point.toStdString()));
}

int legendRows(const SheetChart& chart) {
    const auto count = chart.plots.isEmpty() ? 0 : chart.plots.front().series.size();
    return int((count + legendColumns - 1) / legendColumns);
}

// The lines under the legend, each on a line of its own.
QStringList legendNotes(const SheetChart& chart) {
    QStringList notes = QStringList{Sheet::tr("large marker: the engine as it is")} + chart.notes;
    if (chart.plots.isEmpty()) {
        return notes;
    }
    const auto& series = chart.plots.front().series;
    // Colours, dashes and markers come round together after this many lines.
    const auto styles = qsizetype(distinctSeriesStyles());
    if (series.size() > styles) {
        notes << Sheet::tr("after %1 engines the lines' styles repeat").arg(styles);
    }
    return notes;
}

bool hasTargets(const SheetChart& chart) {
    return std::any_of(chart.plots.cbegin(), chart.plots.cend(),
                       [](const ChartPlot& plot) { return !plot.targets.isEmpty(); });
}

// A file's name for the legend: its folders left out, and when still too
// long its start and its end, where names of one build usually differ.
QString legendName(const QString& path, qsizetype most) {
    QString name = terminalText(path.mid(
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1));
    if (name.size() <= most) {
        return name;
    }
    const qsizetype end = (most - 1) / 2 + 1;
    const qsizetype start = most - 1 - end;
    return leftWhole(name, start) + QChar(0x2026) + rightWhole(name, end);
}

} // namespace

double chartHeight(const SheetChart& chart) {
    const auto plots = double(chart.plots.size());
    return titleHeight + plots * chartPlotHeight + std::max(0.0, plots - 1) * chartPlotGap +
           belowPlots + double(legendRows(chart) + legendNotes(chart).size()) * legendRow + 2;
}

void drawChart(const SheetChart& chart, double width, ChartCanvas& canvas) {
    const double left = leftMargin;
    const double right = width - (hasTargets(chart) ? targetMargin : rightMargin);
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
    const double plotsBottom = titleHeight + chart.plots.size() * chartPlotHeight +
                               (chart.plots.size() - 1) * chartPlotGap;

    for (qsizetype n = 0; n < chart.plots.size(); ++n) {
        const auto& plot = chart.plots[n];
        const double top = titleHeight + n * (chartPlotHeight + chartPlotGap);
        const double bottom = top + chartPlotHeight;
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
            canvas.text({left - 4, at + 3.5}, tick(value, y.decimals, chart.point), Anchor::End,
                        false, false);
        }
        for (const double value : tickValues(x)) {
            const double at = x.at(value, left, right);
            canvas.rule({at, top, at, bottom}, false);
            if (n + 1 == chart.plots.size()) {
                canvas.text({at, bottom + 17}, tick(value, x.decimals, chart.point), Anchor::Middle,
                            false, false);
                if (!chart.xSecondary.isEmpty()) {
                    canvas.text(
                        {at, bottom + 29},
                        chart.xSecondary.arg(tick(value * chart.xSecondaryFactor,
                                                  std::max(0, x.decimals - 1), chart.point)),
                        Anchor::Middle, false, false);
                }
            }
        }
        canvas.rule({left, top, left, bottom}, true);
        canvas.rule({left, bottom, right, bottom}, true);
        canvas.text({14, (top + bottom) / 2}, plot.yLabel, Anchor::Middle, true, false);
        // The targets' labels beside the plot, top down, each clear of the last.
        QList<std::pair<double, double>> targets; // where, and the value
        for (const double target : plot.targets) {
            if (target >= y.low && target <= y.high) {
                targets.append({y.at(target, bottom, top), target});
            }
        }
        std::sort(targets.begin(), targets.end());
        for (const auto& target : targets) {
            canvas.target({left, target.first, right, target.first});
        }
        // As many labels as the plot's height holds, every so many targets
        // when there are more; pushed up from the bottom when they run past it.
        const auto room = std::max<qsizetype>(1, qsizetype((bottom - top) / labelGap));
        const auto every = (targets.size() + room - 1) / room;
        QList<std::pair<double, double>> labels;
        for (qsizetype t = 0; t < targets.size(); t += std::max<qsizetype>(every, 1)) {
            const double wanted = targets[t].first + 3.5;
            labels.append(
                {labels.isEmpty() ? wanted : std::max(wanted, labels.last().first + labelGap),
                 targets[t].second});
        }
        const double over = labels.isEmpty() ? 0 : std::max(0.0, labels.last().first - bottom);
        for (const auto& [at, target] : labels) {
            canvas.text({right + 4, at - over},
                        Sheet::tr("target %1").arg(tick(target, plot.yDecimals, chart.point)),
                        Anchor::Start, false, false);
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
    canvas.text({(left + right) / 2, plotsBottom + 42}, chart.xLabel, Anchor::Middle, false, false);

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
        const auto most = qsizetype((column - 36) / characterWidth) - names[s].mark.size();
        canvas.text({from + 32, at + 3.5},
                    isolated(legendName(names[s].name, most)) + names[s].mark, Anchor::Start, false,
                    false);
    }
    const auto notes = legendNotes(chart);
    for (qsizetype n = 0; n < notes.size(); ++n) {
        canvas.text({width - rightMargin,
                     plotsBottom + belowPlots + double(legendRows(chart) + n) * legendRow + 9.5},
                    notes[n], Anchor::End, false, false);
    }
}

} // namespace tolvaric
