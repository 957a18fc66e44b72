// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What a sheet is made of, which its rows, its charts and its forms all
// read: the engines, what is said once for all of them, and how it is
// written.

#include "model/BuildChoices.h"
#include "model/EngineData.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

namespace tolvaric {

// The sheet's translation context ("tolvaric::Sheet"), for its rows, its
// charts and its forms.
class Sheet {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::Sheet)
};

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

} // namespace tolvaric
