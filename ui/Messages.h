// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Every message box text of the program, each written once, and what the
// user sees for each outcome of a calculation.

#include "model/Outcome.h"

#include <QString>

namespace tolvaric {

enum class MessageIcon { Critical, Exclamation };

struct Message {
    QString title;
    QString text;
    MessageIcon icon;
};

// A calculation's warning or its computation failure (never asked for a success).
Message messageFor(Outcome outcome);

// The application's title, which boxes without a title of their own carry.
QString messageBoxTitle();
// The data-error question's title and text.
QString dataErrorTitle();
QString dataErrorText();

// Text typed into a box that is no number (or too large for one).
QString unreadableEntryText(const QString& caption, const QString& entry, bool tooLarge,
                            const QString& example);
// Save This could not write the file.
QString saveFailedText(const QString& path, const QString& reason, bool fileExisted);
// Quit could not write one of the default files; one line per file.
QString quitFailedText(const QString& problems);

} // namespace tolvaric
