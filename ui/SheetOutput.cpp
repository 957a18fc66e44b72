// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/SheetOutput.h"

#include "sheet/ChartDrawing.h"
#include "ui/ChartPainter.h"
#include "ui/Printing.h"
#include "ui/SheetPreview.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>

namespace tolvaric {

namespace {

QPageSize pageSizeFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

// The page's printable area in the document's own pixels (96 to the inch).
QSizeF documentPage(const QPageLayout& page) {
    constexpr double pixelsPerPoint = 96.0 / 72.0;
    return page.paintRect(QPageLayout::Point).size() * pixelsPerPoint;
}

// The sheet's HTML with its type at `points`, without the charts, which
// the pages paint themselves.
QString htmlAt(const QList<SheetEngine>& engines, const SheetHeader& header, SheetSettings settings,
               double points) {
    settings.points = points;
    settings.charts = false;
    return sheetHtml(engines, header, settings);
}

// The charts after the figures on a page of their own: one above the
// other, or side by side on a landscape page; a chart taller than the page
// made smaller.
void layOutCharts(QPagedPaintDevice& device, QPainter& painter, const QList<SheetEngine>& engines,
                  const SheetHeader& header, const QString& point, const QSizeF& page) {
    constexpr double gap = 24;
    const int columns = page.width() > page.height() ? 2 : 1;
    const double width = (page.width() - gap * (columns - 1)) / columns;
    device.newPage();
    double y = 0;
    const auto charts = sheetCharts(engines, header.choices, point);
    for (qsizetype i = 0; i < charts.size(); ++i) {
        const double height = chartHeight(charts[i]);
        const double scale = std::min(1.0, page.height() / height);
        const bool full =
            columns == 1 ? y > 0 && y + height * scale > page.height() : i > 0 && i % columns == 0;
        if (full) {
            device.newPage();
            y = 0;
        }
        painter.save();
        painter.translate(double(i % columns) * (width + gap), y);
        painter.scale(scale, scale);
        paintChart(painter, charts[i], width / scale);
        painter.restore();
        if (columns == 1) {
            y += height * scale + gap;
        }
    }
}

// The largest type, down to a size still readable, at which one engine's
// rows fit on one page whatever the fonts at hand; every engine has as many.
double typeForRows(const QList<SheetEngine>& engines, const SheetHeader& header,
                   const SheetSettings& settings, const QSizeF& page) {
    QTextDocument document;
    document.setPageSize(page);
    for (const double points : {8.0, 7.5, 7.0, 6.5}) {
        document.setHtml(htmlAt(engines.mid(0, 1), header, settings, points));
        if (document.pageCount() <= 1) {
            return points;
        }
    }
    return 6.0;
}

// The width a group's columns take, which a page as narrow as the paper
// would hide.
double naturalWidth(const QList<SheetEngine>& engines, const SheetHeader& header,
                    const SheetSettings& settings, double points) {
    QTextDocument document;
    document.setPageSize(QSizeF(1e5, 1e5));
    document.setHtml(htmlAt(engines, header, settings, points));
    return document.idealWidth();
}

// The engines cut into groups that each fit across one page, in order.
QList<QList<SheetEngine>> pageGroups(const QList<SheetEngine>& engines, const SheetHeader& header,
                                     const SheetSettings& settings, const QSizeF& page,
                                     double points) {
    QList<QList<SheetEngine>> groups;
    // A guess from one and two columns, then each group checked: columns
    // differ only by their names, which the sheet keeps short.
    qsizetype guess = 1;
    if (engines.size() > 1) {
        const double one = naturalWidth(engines.mid(0, 1), header, settings, points);
        const double two = naturalWidth(engines.mid(0, 2), header, settings, points);
        guess =
            std::max<qsizetype>(1, qsizetype((page.width() - one) / std::max(1.0, two - one)) + 1);
    }
    qsizetype first = 0;
    while (first < engines.size()) {
        qsizetype count = std::min(guess, engines.size() - first);
        while (count > 1 &&
               naturalWidth(engines.mid(first, count), header, settings, points) > page.width()) {
            --count;
        }
        groups.append(engines.mid(first, count));
        first += count;
    }
    return groups;
}

} // namespace

// Each group on pages of its own: rows that do not fit on one go on the
// next, as columns already do, never cut off.
void paintSheet(QPagedPaintDevice& device, const QList<SheetEngine>& engines,
                const SheetHeader& header, const SheetSettings& settings) {
    const QSizeF page = documentPage(device.pageLayout());
    const double points = typeForRows(engines, header, settings, page);
    const auto groups = pageGroups(engines, header, settings, page, points);
    QPainter painter(&device);
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    bool first = true;
    for (const auto& group : groups) {
        QTextDocument document;
        document.setPageSize(page);
        document.setHtml(htmlAt(group, header, settings, points));
        for (int n = 0; n < document.pageCount(); ++n) {
            if (!first) {
                device.newPage();
            }
            first = false;
            painter.save();
            painter.translate(0, -n * page.height());
            document.drawContents(&painter, QRectF(QPointF(0, n * page.height()), page));
            painter.restore();
        }
    }
    layOutCharts(device, painter, engines, header, settings.point, page);
}

QPageLayout sheetPageLayout(qsizetype engines, const QLocale& locale) {
    return {pageSizeFor(locale), engines > 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter};
}

QByteArray sheetPdf(const QList<SheetEngine>& engines, const SheetHeader& header,
                    const SheetSettings& settings, const QLocale& locale) {
    return pdfFile(sheetPageLayout(engines.size(), locale), [&](QPagedPaintDevice& device) {
        paintSheet(device, engines, header, settings);
    });
}

QString printSheet(const QList<SheetEngine>& engines, const SheetHeader& header,
                   const SheetSettings& settings, const QString& suggestedFile, QWidget* parent) {
    QPrinter printer;
    printer.setPageSize(pageSizeFor(QLocale()));
    printer.setDocName(QStringLiteral("tolvaric"));
    if (!suggestedFile.isEmpty()) {
        printer.setOutputFileName(suggestedFile);
    }
    const PagePainter paint = [&](QPagedPaintDevice& device) {
        paintSheet(device, engines, header, settings);
    };
    // Seen first, as it will print; Escape goes back to the window.
    SheetPreview preview(printer, paint, parent);
    if (preview.exec() != QDialog::Accepted) {
        return {};
    }
    return printThroughDialog(
        printer, QCoreApplication::translate("tolvaric::SheetOutput", "Print the Engine Sheet"),
        paint, parent);
}

} // namespace tolvaric
