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

class QIODevice;

namespace tolvaric {

// True when the arguments ask for the command line rather than the window.
bool wantsCommandLine(const QStringList& arguments);

// `arguments` as main() has them, the program's name first. `standardOutput`
// says whether `out` is standard output, where a PDF goes only when it is no
// terminal. Needs a QCoreApplication, or a QGuiApplication for PDF.
int runSheetCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                    bool outIsTerminal = false);

// Whether the arguments ask for a PDF, which needs a QGuiApplication.
bool sheetNeedsGui(const QStringList& arguments);

} // namespace tolvaric
