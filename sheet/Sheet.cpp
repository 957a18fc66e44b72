// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/Sheet.h"

#include "sheet/ChartSvg.h"
#include "sheet/SheetCharts.h"
#include "sheet/SheetRows.h"
#include "text/TerminalText.h"
#include "text/XmlText.h"

#include <QCoreApplication>

namespace tolvaric {

namespace {

// A spreadsheet runs a cell that starts like a formula: such a text from a
// name or a file gets an apostrophe before it, which the spreadsheet hides
// (OWASP's advice on CSV injection). The program's own figures are numbers.
// Its control characters are shown as the text sheet shows them, so that a
// CSV sent to a terminal cannot move the cursor or recolour the screen.
QString inertCell(const QString& text) {
    static const QString starts = QStringLiteral("=+-@\t\r");
    const QString shown = terminalText(text);
    return !shown.isEmpty() && starts.contains(shown.front()) ? QLatin1Char('\'') + shown : shown;
}

QString csvField(QString text) {
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
        text.startsWith(QLatin1Char('\''))) {
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    }
    return text;
}

} // namespace

QString sheetText(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const SheetSettings& settings) {
    auto rows = sheetRows(engines, header, settings) + chartRows(engines, settings);
    qsizetype labelWidth = 0;
    QList<qsizetype> widths(engines.size(), 0);
    for (auto& row : rows) {
        if (row.kind != SheetRow::Kind::Heading) { // a heading has a line of its own
            labelWidth = std::max(labelWidth, row.label.size());
        }
        for (qsizetype i = 0; i < row.values.size(); ++i) {
            row.values[i] = terminalText(row.values[i]); // names from files show, not act
            widths[i] = std::max(widths[i], row.values[i].size());
        }
    }
    QString text;
    for (const auto& row : rows) {
        if (row.kind == SheetRow::Kind::Heading) {
            text += QLatin1Char('\n') + row.label + QLatin1Char('\n');
            continue;
        }
        // Every cell of a column ends where the column ends, so a message
        // or a long name moves no figure away from its file's name.
        QString line = row.label.leftJustified(labelWidth);
        for (qsizetype i = 0; i < row.values.size(); ++i) {
            line += QStringLiteral("  ") + row.values[i].rightJustified(widths[i]);
        }
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

QString sheetCsv(const QList<SheetEngine>& engines, const SheetHeader& header) {
    // One row per engine, a column per figure; "." decimals whatever the locale.
    const auto rows = sheetRows(engines, header, SheetSettings{});
    QStringList labels;
    for (const auto& row : rows) {
        if (row.kind != SheetRow::Kind::Heading) {
            labels << csvField(row.label);
        }
    }
    QString csv = labels.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (qsizetype i = 0; i < engines.size(); ++i) {
        QStringList values;
        for (const auto& row : rows) {
            if (row.kind == SheetRow::Kind::Header || row.kind == SheetRow::Kind::File) {
                values << csvField(inertCell(row.values[i]));
            } else if (row.kind == SheetRow::Kind::Figure) {
                values << csvField(row.values[i]);
            }
        }
        csv += values.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    // The charts' points after an empty line, a table of their own.
    const auto points = chartPoints(engines);
    QStringList names;
    for (const auto& name : points.header) {
        names << csvField(name);
    }
    csv += QStringLiteral("\r\n") + names.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const auto& row : points.rows) {
        QStringList values;
        for (qsizetype i = 0; i < row.size(); ++i) {
            values << csvField(i < 2 ? inertCell(row[i]) : row[i]); // the chart and the file
        }
        csv += values.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv;
}

QString sheetHtml(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const SheetSettings& settings) {
    const auto rows = sheetRows(engines, header, settings);
    QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"/><title>%1</title>"
            "<style>body{font-family:sans-serif;font-size:%2pt}table{border-collapse:collapse}"
            "td,th{padding:0px 6px;white-space:nowrap}td.n{text-align:right}"
            "th{text-align:left;padding-top:4px}</style></head><body>\n<h2>%1</h2>\n<table>\n")
            .arg(Sheet::tr("Engine sheet").toHtmlEscaped(), QString::number(settings.points));
    // Grown once: a page with its charts is some tens of kilobytes.
    html.reserve(rows.size() * 40 * (engines.size() + 2) +
                 (settings.charts ? 12000 + 12000 * engines.size() : 0));
    for (const auto& row : rows) {
        if (row.kind == SheetRow::Kind::Heading) {
            html += QStringLiteral("<tr><th colspan=\"%1\">%2</th></tr>\n")
                        .arg(engines.size() + 1)
                        .arg(row.label.toHtmlEscaped());
            continue;
        }
        html += QStringLiteral("<tr><td>") + row.label.toHtmlEscaped() + QStringLiteral("</td>");
        const QString cell = row.kind == SheetRow::Kind::Figure ? QStringLiteral("<td class=\"n\">")
                                                                : QStringLiteral("<td>");
        for (const auto& value : row.values) {
            // A control character is no text a page may hold: it shows as \e or ?.
            // Only a name is cut short, a file's in its folders; the sheet's
            // own words stay whole.
            const QString shown = row.kind == SheetRow::Kind::Header ? pageCell(value)
                                  : row.kind == SheetRow::Kind::File ? pagePath(value)
                                                                     : terminalText(value);
            html += cell + xmlText(shown) + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    if (settings.charts) {
        constexpr double chartWidth = 640;
        for (const auto& chart : sheetCharts(engines, header.choices, settings.point)) {
            html += QLatin1String("<p>");
            appendChartSvg(html, chart, chartWidth);
            html += QLatin1String("</p>\n");
        }
    }
    return html + QStringLiteral("</body></html>\n");
}

} // namespace tolvaric
