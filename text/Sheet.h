// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine sheet: a header, the sixteen values in the program's units and
// in metric, and every derived figure, for one engine or several side by
// side, as aligned text, CSV (RFC 4180, "." decimals) or one self-contained
// HTML page (which the PDF and the printer take). A figure that could not be
// worked out shows the words the window's message would use.

#include "model/EngineData.h"
#include "storage/FileStatus.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace tolvaric {

struct SheetEngine {
    QString file;  // the data file's name as the user gave it
    QString owner; // from the owner file beside it; empty when there is none
    EngineData engine;
};

struct SheetHeader {
    QDate date;
    QString program; // "tolvaric 1.00"
};

// Today's date and this program's name and version.
SheetHeader todaysHeader();

// Reads a data file and the owner file in the same folder.
FileStatus readSheetEngine(const QString& path, SheetEngine& sheet);

struct SheetRow {
    QString label;      // empty for a section heading's value cells
    QStringList values; // one per engine
    bool heading = false;
};
// `point` is the decimal separator of the numbers.
QList<SheetRow> sheetRows(const QList<SheetEngine>& engines, const SheetHeader& header,
                          const QString& point);

QString sheetText(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const QString& point);
QString sheetCsv(const QList<SheetEngine>& engines, const SheetHeader& header);
QString sheetHtml(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const QString& point);

} // namespace tolvaric
