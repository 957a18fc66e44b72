// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/Sheet.h"

#include "model/SheetFigures.h"
#include "resources/Version.h"
#include "storage/DataFiles.h"
#include "text/FieldRows.h"
#include "text/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <functional>

namespace tolvaric {

namespace {

// The sheet's translation context ("tolvaric::Sheet").
class Sheet {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::Sheet)
};

constexpr double millimetresPerInch = 25.4;
constexpr double inchesPerCc = 1 / 16.387064; // cubic inches in a cubic centimetre

// From a figure's own unit to another; none: the figure as it is.
using Unit = double (*)(double);
double toMillimetres(double inches) {
    return inches * millimetresPerInch;
}
double toCubicInches(double cc) {
    return cc * inchesPerCc;
}

// A row's figure for one engine, from its record and its sheet figures.
using Figure = std::function<SheetFigure(const EngineData&, const SheetFigures&)>;

Figure held(double EngineData::*member, Unit unit = nullptr) {
    return [member, unit](const EngineData& e, const SheetFigures&) {
        return SheetFigure{Outcome::Success, unit ? unit(e.*member) : e.*member};
    };
}

Figure derived(SheetFigure SheetFigures::*member, Unit unit = nullptr) {
    return [member, unit](const EngineData&, const SheetFigures& f) {
        SheetFigure figure = f.*member;
        if (figure.ok() && unit) {
            figure.value = unit(figure.value);
        }
        return figure;
    };
}

struct Line {
    QString label;
    Figure figure;
    int decimals;
};

struct Section {
    QString heading;
    QList<Line> lines;
};

// A value of the record in its own unit, then in the others the sheet shows.
struct ShownUnit {
    QString label; // "%1" is the field's name
    Unit unit;
    int decimals;
};

QList<ShownUnit> shownUnits(Quantity quantity) {
    switch (quantity) {
    case Quantity::Length:
        return {{Sheet::tr("%1, in"), nullptr, 4}, {Sheet::tr("%1, mm"), toMillimetres, 3}};
    case Quantity::Volume:
        return {{Sheet::tr("%1, cc"), nullptr, 2}, {Sheet::tr("%1, cu in"), toCubicInches, 4}};
    case Quantity::Angle:
        return {{Sheet::tr("%1, degrees"), nullptr, 1}};
    case Quantity::Pressure:
        return {{Sheet::tr("%1, psi"), nullptr, 2},
                {Sheet::tr("%1, bar"), psiToBar, 3},
                {Sheet::tr("%1, kPa"), psiToKilopascal, 1}};
    case Quantity::Ratio:
    case Quantity::Plain:
        break;
    }
    return {{QStringLiteral("%1"), nullptr, 2}};
}

QList<Section> sections() {
    Section values{Sheet::tr("Values"), {}};
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const auto& field = engineFields[i];
        for (const auto& shown : shownUnits(field.quantity)) {
            values.lines.append({shown.label.arg(layout::fieldName(layout::fieldRows[i])),
                                 held(field.member, shown.unit), shown.decimals});
        }
    }
    return {
        values,
        {Sheet::tr("Volumes"),
         {
             {Sheet::tr("Swept volume per cylinder, cc"), derived(&SheetFigures::sweptCc), 2},
             {Sheet::tr("Swept volume per cylinder, cu in"),
              derived(&SheetFigures::sweptCubicInches), 3},
             {Sheet::tr("Clearance volume, cc"), derived(&SheetFigures::clearanceCc), 2},
             {Sheet::tr("  chamber, cc"), derived(&SheetFigures::chamberCc), 2},
             {Sheet::tr("  head gasket, cc"), derived(&SheetFigures::gasketCc), 2},
             {Sheet::tr("  deck, cc"), derived(&SheetFigures::deckCc), 2},
             {Sheet::tr("  top land, cc"), derived(&SheetFigures::topLandCc), 2},
             {Sheet::tr("  dome (taken away), cc"), derived(&SheetFigures::domeCc), 2},
             {Sheet::tr("  valve relief, cc"), derived(&SheetFigures::reliefCc), 2},
         }},
        {Sheet::tr("Results"),
         {
             {Sheet::tr("Static compression ratio"), derived(&SheetFigures::compressionRatio), 2},
             {Sheet::tr("Chamber volume for the Compression Ratio, cc"),
              derived(&SheetFigures::requiredChamberCc), 2},
             {Sheet::tr("Intake closing, degrees after BDC"), derived(&SheetFigures::intakeClosing),
              1},
             {Sheet::tr("Effective stroke at intake closing, in"),
              derived(&SheetFigures::effectiveStroke), 4},
             {Sheet::tr("Effective stroke at intake closing, mm"),
              derived(&SheetFigures::effectiveStroke, toMillimetres), 3},
             {Sheet::tr("Dynamic compression ratio"), derived(&SheetFigures::dynamicRatio), 2},
             {Sheet::tr("Cranking cylinder pressure, psi"),
              derived(&SheetFigures::crankingPressure), 2},
             {Sheet::tr("Cranking cylinder pressure, bar"),
              derived(&SheetFigures::crankingPressure, psiToBar), 3},
             {Sheet::tr("Cranking cylinder pressure, kPa"),
              derived(&SheetFigures::crankingPressure, psiToKilopascal), 1},
             {Sheet::tr("Quench, in"), derived(&SheetFigures::quench), 4},
             {Sheet::tr("Quench, mm"), derived(&SheetFigures::quench, toMillimetres), 3},
             {Sheet::tr("Rod-to-stroke ratio"), derived(&SheetFigures::rodRatio), 3},
         }},
        {Sheet::tr("For the Compression Ratio, one part alone"),
         {
             {Sheet::tr("Chamber volume, cc"), derived(&SheetFigures::requiredChamberCc), 2},
             {Sheet::tr("Dome volume (negative: dish), cc"), derived(&SheetFigures::domeForRatio),
              2},
             {Sheet::tr("Compressed gasket thickness, in"), derived(&SheetFigures::gasketForRatio),
              4},
             {Sheet::tr("Compressed gasket thickness, mm"),
              derived(&SheetFigures::gasketForRatio, toMillimetres), 3},
             {Sheet::tr("Deck clearance, in"), derived(&SheetFigures::deckForRatio), 4},
             {Sheet::tr("Deck clearance, mm"), derived(&SheetFigures::deckForRatio, toMillimetres),
              3},
         }},
    };
}

QString number(const SheetFigure& figure, int decimals, const QString& point) {
    if (!figure.ok()) {
        return messageFor(figure.outcome).text;
    }
    QString text = QString::number(figure.value, 'f', decimals);
    // A value that rounds to zero shows no sign.
    if (text.startsWith(QLatin1Char('-')) &&
        text.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty()) {
        text.remove(0, 1);
    }
    return point == QStringLiteral(".") ? text : text.replace(QLatin1Char('.'), point);
}

} // namespace

SheetHeader todaysHeader() {
    return {QDate::currentDate(), productName + QLatin1Char(' ') + productVersion};
}

FileStatus readSheetEngine(const QString& path, SheetEngine& sheet) {
    SheetEngine read;
    read.file = path;
    if (auto status = Read_Engine_File(path, read.engine); !status.ok()) {
        return status;
    }
    const QString owner = QFileInfo(path).dir().filePath(QStringLiteral("owner"));
    if (QFileInfo(owner).isFile()) {
        QString name;
        if (Read_Owner_File(owner, name).ok()) {
            read.owner = ownerWithinLimit(name);
        }
    }
    sheet = read;
    return FileStatus::success();
}

QList<SheetRow> sheetRows(const QList<SheetEngine>& engines, const SheetHeader& header,
                          const QString& point) {
    QList<SheetRow> rows;
    auto add = [&rows](const QString& label, const QStringList& values, bool heading = false) {
        rows.append({label, values, heading});
    };
    QStringList owners, files, dates, programs;
    for (const auto& sheet : engines) {
        owners << QString(sheet.owner).replace(QLatin1Char('\n'), QLatin1Char(' '));
        files << QDir::toNativeSeparators(sheet.file);
        dates << header.date.toString(Qt::ISODate);
        programs << header.program;
    }
    add(Sheet::tr("Owner"), owners);
    add(Sheet::tr("Data file"), files);
    add(Sheet::tr("Date"), dates);
    add(Sheet::tr("Program"), programs);
    QList<SheetFigures> figures;
    for (const auto& sheet : engines) {
        figures.append(sheetFigures(sheet.engine));
    }
    for (const auto& section : sections()) {
        add(section.heading, {}, true);
        for (const auto& line : section.lines) {
            QStringList values;
            for (qsizetype i = 0; i < engines.size(); ++i) {
                values << number(line.figure(engines[i].engine, figures[i]), line.decimals, point);
            }
            add(line.label, values);
        }
    }
    return rows;
}

QString sheetText(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const QString& point) {
    const auto rows = sheetRows(engines, header, point);
    qsizetype labelWidth = 0;
    QList<qsizetype> widths(engines.size(), 0);
    for (const auto& row : rows) {
        labelWidth = std::max(labelWidth, row.label.size());
        for (qsizetype i = 0; i < row.values.size(); ++i) {
            widths[i] = std::max(widths[i], row.values[i].size());
        }
    }
    QString text;
    for (const auto& row : rows) {
        if (row.heading) {
            text += QLatin1Char('\n') + row.label + QLatin1Char('\n');
            continue;
        }
        QString line = row.label.leftJustified(labelWidth);
        for (qsizetype i = 0; i < row.values.size(); ++i) {
            // Figures line up on the right; the header's texts on the left.
            const bool header = &row - rows.data() < 4;
            line += QStringLiteral("  ") + (header ? row.values[i].leftJustified(widths[i])
                                                   : row.values[i].rightJustified(widths[i]));
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
    const auto rows = sheetRows(engines, header, QStringLiteral("."));
    auto field = [](QString text) {
        if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
            text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
            text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
        }
        return text;
    };
    QStringList names;
    for (const auto& row : rows) {
        if (!row.heading) {
            names << field(row.label.trimmed());
        }
    }
    QString csv = names.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (qsizetype i = 0; i < engines.size(); ++i) {
        QStringList values;
        for (const auto& row : rows) {
            if (!row.heading) {
                values << field(row.values[i]);
            }
        }
        csv += values.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv;
}

QString sheetHtml(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const QString& point) {
    const auto rows = sheetRows(engines, header, point);
    QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"/><title>%1</title>"
            "<style>body{font-family:sans-serif;font-size:8pt}table{border-collapse:collapse}"
            "td,th{padding:0px 6px;white-space:nowrap}td.n{text-align:right}"
            "th{text-align:left;padding-top:4px}</style></head><body>\n<h2>%1</h2>\n<table>\n")
            .arg(Sheet::tr("Engine sheet").toHtmlEscaped());
    for (const auto& row : rows) {
        if (row.heading) {
            html += QStringLiteral("<tr><th colspan=\"%1\">%2</th></tr>\n")
                        .arg(engines.size() + 1)
                        .arg(row.label.toHtmlEscaped());
            continue;
        }
        const bool figure = &row - rows.data() >= 4;
        html += QStringLiteral("<tr><td>") + row.label.trimmed().toHtmlEscaped() +
                QStringLiteral("</td>");
        for (const auto& value : row.values) {
            html += (figure ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>")) +
                    value.toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n</body></html>\n");
}

} // namespace tolvaric
