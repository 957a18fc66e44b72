// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine sheet as it will print, before it is printed: the very pages
// the printer gets, drawn by the same painter on the same printer. Page
// through them, zoom, fit them to the width; Print goes on to the print
// dialog (and its guards), Escape goes back to the window.

#include "ui/Printing.h"

#include <QDialog>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;

namespace tolvaric {

class SheetPreview : public QDialog {
    Q_OBJECT
  public:
    SheetPreview(QPrinter& printer, PagePainter paint, QWidget* parent = nullptr);

    // The preview's pages, for the tests.
    QPrintPreviewWidget* pages() const { return m_pages; }

  private:
    void showWhere();

    PagePainter m_paint;
    QPrintPreviewWidget* m_pages = nullptr;
    QLabel* m_where = nullptr;
};

} // namespace tolvaric
