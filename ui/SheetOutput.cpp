// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/SheetOutput.h"

#include "ui/Printing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

namespace tolvaric {

namespace {

QPageSize pageSizeFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

// One engine's sheet on one page, whatever the fonts at hand: the type gets
// smaller, down to a size still readable, until it fits.
void fitOnOnePage(QTextDocument& document, const QString& html, const QPageLayout& page) {
    constexpr double pixelsPerPoint = 96.0 / 72.0; // the document's own resolution
    document.setPageSize(page.paintRect(QPageLayout::Point).size() * pixelsPerPoint);
    for (const double points : {8.0, 7.5, 7.0, 6.5, 6.0}) {
        document.setHtml(QString(html).replace(QStringLiteral("font-size:8pt"),
                                               QStringLiteral("font-size:%1pt").arg(points)));
        if (document.pageCount() <= 1) {
            return;
        }
    }
}

} // namespace

QByteArray sheetPdf(const QString& html, int engines, const QLocale& locale) {
    QByteArray bytes;
    QBuffer output(&bytes);
    output.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&output);
        if (!pdf.setPageSize(pageSizeFor(locale))) {
            return {};
        }
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setPageOrientation(engines > 3 ? QPageLayout::Landscape : QPageLayout::Portrait);
        pdf.setTitle(QStringLiteral("tolvaric"));
        pdf.setCreator(QStringLiteral("tolvaric"));
        QTextDocument document;
        fitOnOnePage(document, html, pdf.pageLayout());
        document.print(&pdf);
    } // the writer ends the file when it goes
    return bytes;
}

QString printSheet(const QString& html, const QString& suggestedFile, QWidget* parent) {
    QPrinter printer;
    printer.setPageSize(pageSizeFor(QLocale()));
    printer.setDocName(QStringLiteral("tolvaric"));
    if (!suggestedFile.isEmpty()) {
        printer.setOutputFileName(suggestedFile);
    }
    return printThroughDialog(
        printer, QCoreApplication::translate("tolvaric::SheetOutput", "Print the Engine Sheet"),
        [&html](QPagedPaintDevice& device) {
            QTextDocument document;
            fitOnOnePage(document, html, device.pageLayout());
            document.print(&device);
        },
        parent);
}

} // namespace tolvaric
