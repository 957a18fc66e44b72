// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/Sheet.h"

#include "resources/Version.h"
#include "text/SheetRows.h"
#include "text/TerminalText.h"

#include <QCoreApplication>

namespace tolvaric {

namespace {

// The sheet's translation context ("tolvaric::Sheet").
class Sheet {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::Sheet)
};

// A spreadsheet runs a cell that starts like a formula: such a text from a
// name or a file gets an apostrophe before it, which the spreadsheet hides
// (OWASP's advice on CSV injection). The program's own figures are numbers.
QString inertCell(const QString& text) {
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && starts.contains(text.front()) ? QLatin1Char('\'') + text : text;
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

// A long name would push the figures off the page: the page shows its
// start, never cutting a character in two.
QString pageCell(const QString& text) {
    constexpr qsizetype longest = 30;
    if (text.size() <= longest) {
        return text;
    }
    const qsizetype cut = longest - (text.at(longest - 1).isHighSurrogate() ? 1 : 0);
    return text.left(cut) + QChar(0x2026);
}

} // namespace

SheetHeader todaysHeader() {
    return {QDate::currentDate(), productName + QLatin1Char(' ') + productVersion, {}};
}

QString sheetText(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const SheetSettings& settings) {
    auto rows = sheetRows(engines, header, settings);
    qsizetype labelWidth = 0;
    QList<qsizetype> widths(engines.size(), 0);
    for (auto& row : rows) {
        labelWidth = std::max(labelWidth, row.label.size());
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
    QStringList names;
    for (const auto& row : rows) {
        if (row.kind != SheetRow::Kind::Heading) {
            names << csvField(row.label);
        }
    }
    QString csv = names.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (qsizetype i = 0; i < engines.size(); ++i) {
        QStringList values;
        for (const auto& row : rows) {
            if (row.kind == SheetRow::Kind::Header) {
                values << csvField(inertCell(row.values[i]));
            } else if (row.kind == SheetRow::Kind::Figure) {
                values << csvField(row.values[i]);
            }
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
            html += cell + pageCell(terminalText(value)).toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n</body></html>\n");
}

} // namespace tolvaric
