// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Every message box text of the program, each written once, and what the
// user sees for each outcome of a calculation.

#include "model/Outcome.h"
#include "model/TypedValue.h"
#include "storage/FileStatus.h"
#include "text/FileRefusal.h"
#include "text/Message.h"

#include <QCoreApplication>
#include <QString>

namespace tolvaric {

// The translation context of every message ("tolvaric::Messages").
class Messages {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::Messages)
};

// A calculation's warning or its computation failure (never asked for a success).
Message messageFor(Outcome outcome);

// What a result box's tip and accessible description tell of the figures
// behind it; `figures` are written with the user's separator.
QString ratioFiguresText(const QString& swept, const QString& clearance);
QString chamberFiguresText(const QString& clearance);
QString pressureFiguresText(const QString& closing, const QString& dynamicRatio);

// The application's title, which boxes without a title of their own carry.
QString messageBoxTitle();
// The data-error question's title and text.
QString dataErrorTitle();
QString dataErrorText();
// Ctrl+P or Print with no printer set up, and the file dialog's filter then.
QString noPrinterText();
QString pdfFilesFilter();
// Beside the data-error question at start-up: the default data file is
// there but could not be opened, and why.
QString dataFileUnopenedText(const QString& file, const FileStatus& status);

// Why the file dialog refuses a name (the refusal is never None).
QString fileRefusalText(FileRefusal refusal, const QString& path);
// Why tolvaric, started by the Windows shortcut, cannot work in the user's
// Documents folder `folder`: a file of that name, Windows' `reason`, or a
// folder it could not enter.
enum class DocumentsProblem { File, System, NotEntered };
QString documentsFolderText(const QString& folder, DocumentsProblem problem, const QString& reason);
// Where no window can open (no DISPLAY): one line for standard error.
QString noDisplayText();
// Why a file operation failed, in a few words.
QString reasonText(const FileStatus& status);
// Save This could not write the file.
QString saveFailedText(const QString& path, const FileStatus& status, bool fileExisted);
// A paste into the owner box went past what it holds.
QString ownerCutText();
// Print to File named something that is not a regular file.
QString printTargetRefusedText(const QString& path);
// Print to File named a file the program keeps (an owner or tolvaric.dat).
QString printTargetKeptText(const QString& path);
// Print to File named a file that is there: replace it?
QString printTargetExistsText(const QString& path);
// Print to File could not write the PDF; a file that was there stays.
QString printFailedText(const QString& path, const FileStatus& status, bool fileExisted);
// The printer reported an error.
QString printerFailedText();
// The help viewer could not be started.
QString helpFailedText();
// Quit could not write the default files; a line for each that failed.
QString quitFailedText(const Kept& kept);

} // namespace tolvaric
