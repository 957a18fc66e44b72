// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The sheet tests' common ground: two engines and an owner in the working
// folder, the command line run as main() runs it, and a CSV read back.

#include "sheet/SheetCommand.h"
#include "tests/TestFiles.h"
#include "text/CommandLine.h"
#include "ui/SheetOutput.h"

#include <QBuffer>
#include <QList>
#include <QStringList>

namespace {

// tolvaric.dat (the sample engine), b.dat (a shorter stroke) and an owner.
inline void writeSheetFiles() {
    writeBytes("tolvaric.dat", sampleFile());
    writeBytes("b.dat", sampleFile().replace("3.75\r\n", "3.48\r\n"));
    writeBytes("owner", "\"Q.L.N. Racing\"\r\n");
}

// Runs the command line; gives the exit status, standard output and error.
inline int run(const QStringList& arguments, QByteArray& out, QByteArray& err) {
    QBuffer output(&out);
    QBuffer errors(&err);
    output.open(QIODevice::WriteOnly);
    errors.open(QIODevice::WriteOnly);
    const auto line = tolvaric::parseCommandLine(QStringList{"tolvaric"} + arguments);
    if (line.mode == tolvaric::CommandLine::Mode::Refused) {
        errors.write(line.refusal.toUtf8() + '\n');
        return 2;
    }
    return tolvaric::runSheetCommand(line.sheet, {output}, errors,
                                     [](const QList<tolvaric::SheetEngine>& engines,
                                        const tolvaric::SheetHeader& header,
                                        const tolvaric::SheetSettings& settings) {
                                         return tolvaric::sheetPdf(engines, header, settings);
                                     });
}

// RFC 4180 fields of each record of one of the tables an empty line parts:
// the engines' figures, then the charts' points.
inline QList<QStringList> parseCsv(const QString& text, int table = 0) {
    QList<QStringList> records{QStringList()};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.last() << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            records.last() << field;
            field.clear();
            records.append(QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    records.removeLast(); // after the last line end
    QList<QList<QStringList>> tables{{}};
    for (const auto& record : records) {
        if (record == QStringList{""}) {
            tables.append(QList<QStringList>());
        } else {
            tables.last().append(record);
        }
    }
    return tables.value(table);
}

} // namespace
