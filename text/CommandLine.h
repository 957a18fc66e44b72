// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The command line, read once from one table of options before any
// application object exists, so that Qt never takes a user's argument (a
// file named "-platformpluginpath", say) for one of its own. No arguments:
// the window (--metric: in millimetres and bar). --sheet: the engine sheet. --help, --version:
// their texts. The help viewer's option is the program's own, accepted alone. Anything else is
// refused with one line.

#include "model/BuildChoices.h"

#include <QStringList>

namespace tolvaric {

enum class SheetFormat { Text, Csv, Html, Pdf };

// What --sheet asks for.
struct SheetRequest {
    SheetFormat format = SheetFormat::Text;
    QString output;    // empty or "-": standard output
    QStringList files; // the data files; never empty
    BuildChoices choices;
};

struct CommandLine {
    enum class Mode { Window, Sheet, Help, Version, HelpViewer, Refused };
    Mode mode = Mode::Window;
    SheetRequest sheet;       // for Sheet
    bool inDocuments = false; // Windows' Start-menu shortcut: start in Documents
    bool metric = false;      // the window in millimetres and bar
    QString refusal;          // for Refused: one line, without the program's name
};

// The option that starts the program as the help viewer alone; the window
// passes it when Help is clicked.
inline constexpr const char* helpViewerOption = "--help-viewer";

// main()'s arguments as text, the program's name first. On Windows the
// wide command line, so that any file name comes through.
QStringList argumentList(int argc, char** argv);

// `arguments` as main() has them, the program's name first.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help prints. With an application object, it names the program.
QString commandLineHelp();

} // namespace tolvaric
