// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// tolvaric --sheet [--format text|csv|html|pdf] [-o FILE] [FILE.dat ...]:
// the sheet of each data file (tolvaric.dat in the working folder when none
// is named), side by side, to standard output or FILE, and nothing written
// to any data file. Needs no display. A file that cannot be read is named on
// standard error with the reason, the others' sheets are still written, and
// the exit status is then 2. A sheet that could not be written is said in
// one line, exit status 2, and a file already at FILE stays as it was.

#include "sheet/Sheet.h"
#include "text/CommandLine.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace tolvaric {

// Lays the sheet out as PDF pages; empty when that failed. It needs Qt's
// GUI library, which the text formats do not load.
using PdfWriter = std::function<QByteArray(
    const QList<SheetEngine>& engines, const SheetHeader& header, const SheetSettings& settings)>;

// Where the sheet goes when no FILE is named.
struct StandardOutput {
    QIODevice& device;
    bool isTerminal = false; // where a PDF never goes
    bool closed = false;     // closed by whoever started the program
};

// Needs a QCoreApplication, or a QGuiApplication and `writePdf` for PDF.
int runSheetCommand(const SheetRequest& request, const StandardOutput& out, QIODevice& err,
                    const PdfWriter& writePdf = {});

// The same on the process's standard output and standard error.
int runSheetOnStandardStreams(const SheetRequest& request, bool outputClosed,
                              const PdfWriter& writePdf = {});

// One line on standard error, control characters shown, not sent.
void sayOnStandardError(const QString& line);

} // namespace tolvaric
