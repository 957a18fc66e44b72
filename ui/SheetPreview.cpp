// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/SheetPreview.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace tolvaric {

SheetPreview::SheetPreview(QPrinter& printer, PagePainter paint, QWidget* parent)
    : QDialog(parent), m_paint(std::move(paint)) {
    setWindowTitle(tr("Engine Sheet Preview"));
    m_pages = new QPrintPreviewWidget(&printer, this);
    m_pages->setObjectName(QStringLiteral("pages"));
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* on) { m_paint(*on); });
    connect(m_pages, &QPrintPreviewWidget::previewChanged, this, &SheetPreview::showWhere);

    auto* tools = new QToolBar(this);
    const auto add = [this, tools](const QString& text, const QList<QKeySequence>& keys,
                                   const std::function<void()>& run) {
        auto* action = tools->addAction(text);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    add(tr("&Print..."), {QKeySequence::Print}, [this] {
        accept();
    })->setObjectName(QStringLiteral("print"));
    tools->addSeparator();
    add(tr("Previous Page"), {QKeySequence::MoveToPreviousPage},
        [this] { m_pages->setCurrentPage(m_pages->currentPage() - 1); });
    add(tr("Next Page"), {QKeySequence::MoveToNextPage},
        [this] { m_pages->setCurrentPage(m_pages->currentPage() + 1); });
    m_where = new QLabel(this);
    m_where->setTextFormat(Qt::PlainText);
    tools->addWidget(m_where);
    tools->addSeparator();
    add(tr("Zoom In"), {QKeySequence::ZoomIn}, [this] { m_pages->zoomIn(); });
    add(tr("Zoom Out"), {QKeySequence::ZoomOut}, [this] { m_pages->zoomOut(); });
    add(tr("Fit to Width"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        [this] { m_pages->fitToWidth(); });
    add(tr("Whole Page"), {}, [this] { m_pages->fitInView(); });
    tools->addSeparator();
    add(tr("Close"), {}, [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(m_pages, 1);
    // Most of the screen: a page is tall.
    if (const auto* screen = parent ? parent->screen() : QDialog::screen()) {
        const QSize room = screen->availableSize();
        resize(room.width() * 2 / 3, room.height() * 9 / 10);
    }
    m_pages->fitToWidth();
}

void SheetPreview::showWhere() {
    m_where->setText(tr("Page %1 of %2").arg(m_pages->currentPage()).arg(m_pages->pageCount()));
}

} // namespace tolvaric
