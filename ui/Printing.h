// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The one way the window and the help viewer print: the desktop's print
// dialog, where a Print to File name that is no regular file (a pipe would
// hold every window for ever, a device never ends) is refused while the
// dialog stays open. A PDF file is laid out in memory and written as the
// data files are, so a full disk leaves the file that was there and is
// reported; a printer that fails is reported too.

#include <QByteArray>
#include <QString>

#include <functional>

class QPageLayout;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace tolvaric {

// Lays the pages out on a printer or a PDF writer.
using PagePainter = std::function<void(QPagedPaintDevice& device)>;

// The pages as a PDF file's bytes, on `page`; the printer's resolution
// where one is given.
QByteArray pdfFile(const QPageLayout& page, const PagePainter& paint, int resolution = 0);

// Empty when printed or cancelled; otherwise what went wrong, for a message.
QString printThroughDialog(QPrinter& printer, const QString& title, const PagePainter& paint,
                           QWidget* parent);

} // namespace tolvaric
