// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine sheet: a header, the sixteen values in the program's units and
// in metric, and every derived figure, for one engine or several side by
// side, as aligned text, CSV (RFC 4180, "." decimals) or one self-contained
// HTML page (which the PDF and the printer take, and where a name longer
// than 30 characters shows its start). A figure that could not be
// worked out shows the words the window's message would use. Every figure
// is rounded as the window's boxes round.

#include "model/BuildChoices.h"
#include "model/EngineData.h"

#include <QDate>
#include <QList>
#include <QString>

namespace tolvaric {

struct SheetEngine {
    QString file;  // the data file's name as the user gave it
    QString owner; // from the owner file beside it; empty when there is none
    EngineData engine;
};

// What the sheet says once for all engines.
struct SheetHeader {
    QDate date;
    QString program;      // "tolvaric 1.00"
    BuildChoices choices; // cylinders, altitude, boost: none by default
};

// How the sheet is written, the same for every engine on it.
struct SheetSettings {
    QString point = QStringLiteral("."); // the decimal separator of the figures
    double points = 8;                   // the HTML page's type size
    bool charts = true; // the HTML carries the charts as SVG; the PDF paints its own
};

// Today's date and this program's name and version.
SheetHeader todaysHeader();

QString sheetText(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const SheetSettings& settings = {});
QString sheetCsv(const QList<SheetEngine>& engines, const SheetHeader& header);
QString sheetHtml(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const SheetSettings& settings = {});

} // namespace tolvaric
