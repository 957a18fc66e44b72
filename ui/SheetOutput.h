// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine sheet on paper: a PDF file, or the desktop's print dialog (its
// printers and printing to a PDF file). Pages are A4, or Letter where the
// locale measures in inches. Every figure of every engine appears whole:
// the engines that fit across a page share it, the rest go on further
// pages with the row labels again, and a column never breaks across pages.

#include "sheet/Sheet.h"

#include <QByteArray>
#include <QLocale>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace tolvaric {

// The PDF file's bytes; empty when it could not be laid out. More than
// one engine go on landscape pages, side by side.
QByteArray sheetPdf(const QList<SheetEngine>& engines, const SheetHeader& header,
                    const SheetSettings& settings = {}, const QLocale& locale = QLocale());

// A4, or Letter where the locale measures in inches; landscape for more
// than one engine.
QPageLayout sheetPageLayout(qsizetype engines, const QLocale& locale);

// The sheet's pages on `device`: the figures, then the charts.
void paintSheet(QPagedPaintDevice& device, const QList<SheetEngine>& engines,
                const SheetHeader& header, const SheetSettings& settings);

// The print dialog for the sheet, proposing `suggestedFile` for Print to
// File; empty when printed or cancelled, otherwise what went wrong.
QString printSheet(const QList<SheetEngine>& engines, const SheetHeader& header,
                   const SheetSettings& settings, const QString& suggestedFile, QWidget* parent);

} // namespace tolvaric
