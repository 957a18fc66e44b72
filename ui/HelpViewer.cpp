// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/HelpViewer.h"

#include "text/HelpPages.h"
#include "ui/ContentsRequest.h"
#include "ui/Printing.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvaric {

QStringList helpSearchFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders = {QDir::currentPath(), programFolder,
                           QDir::cleanPath(programFolder + QStringLiteral("/../share/tolvaric"))};
#ifndef Q_OS_WIN
    folders.append(QStringLiteral(TOLVARIC_DATADIR)); // the installed package's data
#endif
    return folders;
}

QString findHelpDocument(const QString& name, const QStringList& folders) {
    for (const auto& folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.exists()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("tolvaric Help"));
    m_browser = new HelpBrowser(this);
    buildToolBar();
    buildFindBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    // The help document is written in English alone: a translated viewer
    // says so above it, in its own language.
    static constexpr const char* inEnglish = QT_TR_NOOP("The help document is in English.");
    if (const QString note = tr(inEnglish); note != QLatin1String(inEnglish)) {
        auto* label = new QLabel(note, this);
        label->setObjectName(QStringLiteral("languageNote"));
        label->setContentsMargins(6, 3, 6, 3);
        layout->addWidget(label);
    }
    layout->addWidget(m_browser);
    layout->addWidget(m_findBar);
    fitToScreen();
}

void HelpViewer::buildToolBar() {
    m_toolBar = new QToolBar(this);
    auto add = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        QAction* action = m_toolBar->addAction(text, this, slot);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(keys.isEmpty() ? text
                                          : text + QStringLiteral(" (") +
                                                keys.front().toString(QKeySequence::NativeText) +
                                                QLatin1Char(')'));
        return action;
    };
    QAction* back = add(tr("Back"), {QKeySequence::Back}, [this] { m_browser->backward(); });
    QAction* forward =
        add(tr("Forward"), {QKeySequence::Forward}, [this] { m_browser->forward(); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    add(tr("Contents"), {QKeySequence(Qt::Key_Home)}, [this] {
        m_browser->setSource(m_browser->source().adjusted(QUrl::RemoveFragment));
        m_browser->scrollToAnchor(QStringLiteral("contents"));
    });
    m_toolBar->addSeparator();
    add(tr("Find"), {QKeySequence::Find}, [this] { showFindBar(); });
    add(tr("Larger"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { m_browser->zoomTo(m_browser->zoomSteps() + 1); });
    add(tr("Smaller"), {QKeySequence::ZoomOut},
        [this] { m_browser->zoomTo(m_browser->zoomSteps() - 1); });
    add(tr("Normal Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { m_browser->zoomTo(0); });
    m_toolBar->addSeparator();
    add(tr("Print"), {QKeySequence::Print}, [this] { print(); });
}

void HelpViewer::buildFindBar() {
    m_findBar = new QWidget(this);
    m_findBar->setObjectName(QStringLiteral("FindBar"));
    m_findField = new QLineEdit(m_findBar);
    m_findField->setObjectName(QStringLiteral("FindField"));
    m_findField->setAccessibleName(tr("Find in the page"));
    m_findField->setPlaceholderText(tr("Find in the page"));
    auto* next = new QToolButton(m_findBar);
    next->setText(tr("Next"));
    auto* close = new QToolButton(m_findBar);
    close->setText(tr("Close"));
    auto* layout = new QHBoxLayout(m_findBar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Find:"), m_findBar));
    layout->addWidget(m_findField, 1);
    layout->addWidget(next);
    layout->addWidget(close);
    connect(m_findField, &QLineEdit::returnPressed, this, &HelpViewer::findNext);
    connect(next, &QToolButton::clicked, this, &HelpViewer::findNext);
    connect(close, &QToolButton::clicked, m_findBar, &QWidget::hide);
    auto* escape = new QAction(m_findBar);
    escape->setShortcut(QKeySequence::Cancel);
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QAction::triggered, this, [this] {
        m_findBar->hide();
        m_browser->setFocus();
    });
    m_findBar->addAction(escape);
    m_findBar->hide();
}

void HelpViewer::showFindBar() {
    m_findBar->show();
    m_findField->setFocus();
    m_findField->selectAll();
}

void HelpViewer::findNext() {
    const bool found = m_browser->findNext(m_findField->text());
    // A pale red field says the page does not hold the text.
    m_findField->setStyleSheet(found || m_findField->text().isEmpty()
                                   ? QString()
                                   : QStringLiteral("QLineEdit { background: #ffd8d8; }"));
}

void HelpViewer::print() {
    QPrinter printer;
    const QString failure = printThroughDialog(
        printer, tr("Print Help"), [this](QPagedPaintDevice& device) { m_browser->print(&device); },
        this);
    if (!failure.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), failure, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

void HelpViewer::fitToScreen() {
    const QSize preferred(640, 560);
    resize(preferred.boundedTo(screen()->availableSize() * 9 / 10));
}

void HelpViewer::showHelp() {
    const auto folders = helpSearchFolders();
    showContents(findHelpDocument(helpDocumentName, folders), folders);
}

void HelpViewer::answerContentsRequests() {
    auto* requests = new ContentsRequests(this);
    connect(requests, &ContentsRequests::requested, this, [this] {
        showHelp();
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    });
}

void HelpViewer::showContents(const QString& path, const QStringList& searched) {
    m_browser->clearHistory();
    m_browser->setSource(QUrl(), QTextDocument::UnknownResource);
    if (path.isEmpty()) {
        m_browser->setHtml(helpNotFoundPage(helpDocumentName, searched));
        return;
    }
    // The document is HTML under its traditional name.
    m_browser->showDocument(path);
    m_browser->scrollToAnchor(QStringLiteral("contents"));
}

} // namespace tolvaric
