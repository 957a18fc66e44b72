// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// tolvaric --sheet [--format text|csv|html|pdf] [-o FILE] [FILE.dat ...]:
// the sheet of each data file (tolvaric.dat in the working folder when none
// is named), side by side, to standard output or FILE, and nothing written
// to any data file. Needs no display. A file that cannot be read is named on
// standard error with the reason, the others' sheets are still written, and
// the exit status is then 2 (as for an unknown option).

#include <QStringList>

#include <functional>

class QIODevice;

namespace tolvaric {

// main()'s arguments as text, the program's name first.
QStringList argumentList(int argc, char** argv);

// True when the arguments ask for the command line rather than the window.
bool wantsCommandLine(const QStringList& arguments);

// Lays the sheet's HTML out as PDF pages on `output`; false when they could
// not be written. It needs Qt's GUI library, which the text formats do not
// load.
using PdfWriter = std::function<bool(const QString& html, QIODevice& output, int engines)>;

// `arguments` as main() has them, the program's name first. `outIsTerminal`
// says whether `out` is a terminal, where a PDF never goes. Needs a
// QCoreApplication, or a QGuiApplication and `writePdf` for PDF.
int runSheetCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                    bool outIsTerminal = false, const PdfWriter& writePdf = {});

// The same on the process's standard output and standard error.
int runSheetCommand(const QStringList& arguments, const PdfWriter& writePdf = {});

// Whether the arguments ask for a PDF, which needs a QGuiApplication.
bool sheetNeedsGui(const QStringList& arguments);

} // namespace tolvaric
