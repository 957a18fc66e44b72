// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The whole program after the display check: the application object, the
// window, start-up, and the event loop.

#include <functional>

class QWidget;

namespace tolvaric {

// `shown` runs once the window is shown (the start-up benchmark watches it).
int runTolvaric(int& argc, char** argv, const std::function<void(QWidget&)>& shown = {});

// The first argument that starts the program as the help viewer alone: it
// shows the help document's contents and reads or writes no data file.
inline constexpr const char* helpViewerOption = "--help-viewer";
int runHelpViewer(int& argc, char** argv);

// The command line when it asks for a PDF sheet, which needs Qt's GUI
// library but no display. The other formats need QtCore alone.
int runPdfSheetCommand(int& argc, char** argv);

} // namespace tolvaric
