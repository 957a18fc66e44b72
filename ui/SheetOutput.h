// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine sheet on paper: a PDF file, or the desktop's print dialog (its
// printers and printing to a PDF file). Pages are A4, or Letter where the
// locale measures in inches.

#include <QByteArray>
#include <QLocale>
#include <QString>

class QWidget;

namespace tolvaric {

// The PDF file's bytes; empty when it could not be laid out. More than
// three engines side by side go on landscape pages.
QByteArray sheetPdf(const QString& html, int engines = 1, const QLocale& locale = QLocale());
// The print dialog for the sheet, proposing `suggestedFile` for Print to
// File; empty when printed or cancelled, otherwise what went wrong.
QString printSheet(const QString& html, const QString& suggestedFile, QWidget* parent);

} // namespace tolvaric
