// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The one way the window and the help viewer print: the desktop's print
// dialog, where a Print to File name that is no regular file (a pipe would
// hold every window for ever, a device never ends) is refused while the
// dialog stays open. A PDF file is laid out in memory and written as the
// data files are, so a full disk leaves the file that was there and is
// reported; a printer that fails is reported too.

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace tolvaric {

// Lays the pages out on a printer or a PDF writer.
using PagePainter = std::function<void(QPagedPaintDevice& device)>;

// Empty when printed or cancelled; otherwise what went wrong, for a message.
QString printThroughDialog(QPrinter& printer, const QString& title, const PagePainter& paint,
                           QWidget* parent);

} // namespace tolvaric
