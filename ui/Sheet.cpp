// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Sheet.h"

#include "model/SheetFigures.h"
#include "storage/DataFiles.h"
#include "ui/Messages.h"

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

// A row's figure for one engine, from its record and its sheet figures.
using Figure = std::function<SheetFigure(const EngineData&, const SheetFigures&)>;

struct Line {
    const char* label; // translated in the Sheet context
    Figure figure;
    int decimals;
};

Figure field(double EngineData::*member, double factor = 1) {
    return [member, factor](const EngineData& e, const SheetFigures&) {
        return SheetFigure{Outcome::Success, e.*member * factor};
    };
}

Figure derived(SheetFigure SheetFigures::*member, double factor = 1) {
    return [member, factor](const EngineData&, const SheetFigures& f) {
        SheetFigure figure = f.*member;
        figure.value *= factor;
        return figure;
    };
}

Figure pressureIn(double (*unit)(double)) {
    return [unit](const EngineData& e, const SheetFigures&) {
        return SheetFigure{Outcome::Success,
                           unit ? unit(e.Cylinder_Pressure) : e.Cylinder_Pressure};
    };
}

Figure crankingIn(double (*unit)(double)) {
    return [unit](const EngineData&, const SheetFigures& f) {
        SheetFigure figure = f.crankingPressure;
        if (figure.ok() && unit) {
            figure.value = unit(figure.value);
        }
        return figure;
    };
}

struct Section {
    const char* heading;
    QList<Line> lines;
};

const QList<Section>& sections() {
    static const QList<Section> all = {
        {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Values"),
         {
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Bore, in"), field(&EngineData::Bore), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Bore, mm"),
              field(&EngineData::Bore, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Stroke, in"), field(&EngineData::Stroke), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Stroke, mm"),
              field(&EngineData::Stroke, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Deck Clearance, in"),
              field(&EngineData::Deck_Clearance), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Deck Clearance, mm"),
              field(&EngineData::Deck_Clearance, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Gasket Bore, in"),
              field(&EngineData::Gasket_Bore), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Gasket Bore, mm"),
              field(&EngineData::Gasket_Bore, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Gasket Thickness, in"),
              field(&EngineData::Gasket_Thickness), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Gasket Thickness, mm"),
              field(&EngineData::Gasket_Thickness, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Top Land Height, in"),
              field(&EngineData::Top_Land_Height), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Top Land Height, mm"),
              field(&EngineData::Top_Land_Height, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Top Land Allowance, in"),
              field(&EngineData::Top_Land_Allowance), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Top Land Allowance, mm"),
              field(&EngineData::Top_Land_Allowance, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Combustion Chamber Volume, cc"),
              field(&EngineData::Combustion_Chamber_Volume), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Combustion Chamber Volume, cu in"),
              field(&EngineData::Combustion_Chamber_Volume, inchesPerCc), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Dome Volume, cc"),
              field(&EngineData::Dome_Volume), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Dome Volume, cu in"),
              field(&EngineData::Dome_Volume, inchesPerCc), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Valve Relief Volume, cc"),
              field(&EngineData::Valve_Relief_Volume), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Valve Relief Volume, cu in"),
              field(&EngineData::Valve_Relief_Volume, inchesPerCc), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Gage Correction, cc"),
              field(&EngineData::Gage_Correction), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Gage Correction, cu in"),
              field(&EngineData::Gage_Correction, inchesPerCc), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Rod Length, in"),
              field(&EngineData::Rod_Length), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Rod Length, mm"),
              field(&EngineData::Rod_Length, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Intake Seat Duration, degrees"),
              field(&EngineData::Intake_Seat_Duration), 1},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Intake Centerline, degrees"),
              field(&EngineData::Intake_Centerline), 1},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Compression Ratio"),
              field(&EngineData::Compression_Ratio), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Cylinder Pressure, psi"), pressureIn(nullptr),
              2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Cylinder Pressure, bar"), pressureIn(psiToBar),
              3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Cylinder Pressure, kPa"),
              pressureIn(psiToKilopascal), 1},
         }},
        {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Volumes"),
         {
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Swept volume per cylinder, cc"),
              derived(&SheetFigures::sweptCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Swept volume per cylinder, cu in"),
              derived(&SheetFigures::sweptCubicInches), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Clearance volume, cc"),
              derived(&SheetFigures::clearanceCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "  chamber, cc"),
              derived(&SheetFigures::chamberCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "  head gasket, cc"),
              derived(&SheetFigures::gasketCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "  deck, cc"), derived(&SheetFigures::deckCc),
              2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "  top land, cc"),
              derived(&SheetFigures::topLandCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "  dome (taken away), cc"),
              derived(&SheetFigures::domeCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "  valve relief, cc"),
              derived(&SheetFigures::reliefCc), 2},
         }},
        {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Results"),
         {
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Static compression ratio"),
              derived(&SheetFigures::compressionRatio), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Chamber volume for the Compression Ratio, cc"),
              derived(&SheetFigures::requiredChamberCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Intake closing, degrees after BDC"),
              derived(&SheetFigures::intakeClosing), 1},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Effective stroke at intake closing, in"),
              derived(&SheetFigures::effectiveStroke), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Effective stroke at intake closing, mm"),
              derived(&SheetFigures::effectiveStroke, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Dynamic compression ratio"),
              derived(&SheetFigures::dynamicRatio), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Cranking cylinder pressure, psi"),
              crankingIn(nullptr), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Cranking cylinder pressure, bar"),
              crankingIn(psiToBar), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Cranking cylinder pressure, kPa"),
              crankingIn(psiToKilopascal), 1},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Quench, in"), derived(&SheetFigures::quench),
              4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Quench, mm"),
              derived(&SheetFigures::quench, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Rod-to-stroke ratio"),
              derived(&SheetFigures::rodRatio), 3},
         }},
        {QT_TRANSLATE_NOOP("tolvaric::Sheet", "For the Compression Ratio, one part alone"),
         {
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Chamber volume, cc"),
              derived(&SheetFigures::requiredChamberCc), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Dome volume (negative: dish), cc"),
              derived(&SheetFigures::domeForRatio), 2},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Compressed gasket thickness, in"),
              derived(&SheetFigures::gasketForRatio), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Compressed gasket thickness, mm"),
              derived(&SheetFigures::gasketForRatio, millimetresPerInch), 3},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Deck clearance, in"),
              derived(&SheetFigures::deckForRatio), 4},
             {QT_TRANSLATE_NOOP("tolvaric::Sheet", "Deck clearance, mm"),
              derived(&SheetFigures::deckForRatio, millimetresPerInch), 3},
         }},
    };
    return all;
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
            read.owner = name.left(ownerTextLimit);
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
        add(Sheet::tr(section.heading), {}, true);
        for (const auto& line : section.lines) {
            QStringList values;
            for (qsizetype i = 0; i < engines.size(); ++i) {
                values << number(line.figure(engines[i].engine, figures[i]), line.decimals, point);
            }
            add(Sheet::tr(line.label), values);
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
