// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine sheet on paper: a PDF file, or the desktop's print dialog (its
// printers and printing to a PDF file). Pages are A4, or Letter where the
// locale measures in inches.

#include <QLocale>
#include <QString>

class QIODevice;
class QWidget;

namespace tolvaric {

// False when the output could not be written.
// More than three engines side by side go on landscape pages.
bool writeSheetPdf(const QString& html, QIODevice& output, int engines = 1,
                   const QLocale& locale = QLocale());
void printSheet(const QString& html, QWidget* parent);

} // namespace tolvaric
