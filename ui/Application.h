// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What needs Qt's GUI: the window with its start-up and event loop, the
// help viewer, and the PDF sheet. `argc` and `argv` are what Qt sees: the
// program's name alone.

#include "model/TypedValue.h"
#include "text/CommandLine.h"

#include <functional>

class QWidget;

namespace tolvaric {

// `units`: the window's, the record's own or millimetres and bar. `shown`
// runs once the window is shown (the start-up benchmark watches it).
int runTolvaric(int& argc, char** argv, UnitSystem units = UnitSystem::Inch,
                const std::function<void(QWidget&)>& shown = {});

// The help viewer alone: it shows the help document's contents and reads
// or writes no data file.
int runHelpViewer(int& argc, char** argv);

// A PDF sheet, which needs Qt's GUI library but no display. The other
// formats need QtCore alone.
int runPdfSheet(int& argc, char** argv, const SheetRequest& request, bool outputClosed);

} // namespace tolvaric
