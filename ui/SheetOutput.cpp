// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/SheetOutput.h"

#include <QIODevice>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace tolvaric {

namespace {

QPageSize pageSizeFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

} // namespace

bool writeSheetPdf(const QString& html, QIODevice& output, const QLocale& locale) {
    if (!output.isOpen() || !output.isWritable()) {
        return false;
    }
    QPdfWriter pdf(&output);
    if (!pdf.setPageSize(pageSizeFor(locale))) {
        return false;
    }
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(QStringLiteral("tolvaric"));
    pdf.setCreator(QStringLiteral("tolvaric"));
    QTextDocument document;
    document.setHtml(html);
    document.print(&pdf);
    return true;
}

void printSheet(const QString& html, QWidget* parent) {
    QPrinter printer;
    printer.setPageSize(pageSizeFor(QLocale()));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}

} // namespace tolvaric
