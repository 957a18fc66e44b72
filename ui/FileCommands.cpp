// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/FileCommands.h"

#include "resources/Resources.h"
#include "storage/RegularFile.h"
#include "ui/FieldBox.h"
#include "ui/MainWindow.h"
#include "ui/Prompts.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QTextEdit>

namespace tolvaric {

namespace {

constexpr qint64 logoSizeLimit = 64 * 1024 * 1024;
// Decoding a larger picture takes seconds, whatever its file size.
constexpr qint64 logoPixelLimit = 40'000'000;

// The owner's name as typed; toPlainText() would turn a non-breaking space
// into a plain one. A new paragraph (Enter) and a line break (Shift+Enter)
// are both the file's line break.
QString typedText(const QTextEdit& box) {
    return box.document()
        ->toRawText()
        .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
}

} // namespace

FileCommands::FileCommands(MainWindow& window, Session& session, Prompts& prompts,
                           std::function<void()> endProgram)
    : m_window(window), m_session(session), m_prompts(prompts),
      m_endProgram(std::move(endProgram)) {
    // The owner's name is kept as it is typed; Quit writes what is held.
    QTextEdit* owner = m_window.ownerBox();
    connect(owner, &QTextEdit::textChanged, this,
            [this, owner] { m_session.setOwner(typedText(*owner)); });
}

FileCommands::~FileCommands() = default;

void FileCommands::loadLogo() {
    // Any picture Qt can read, whatever its extension; else the shipped logo.
    // It is stretched to the box once here, not at every paint, and a huge
    // picture never sits in memory at full size.
    // Only a regular file of bounded size is read: a pipe of that name would
    // hold up start-up for ever.
    QLabel* box = m_window.logo();
    const QSize target = box->size() * box->devicePixelRatio();
    QImage picture;
    QByteArray bytes;
    if (readWholeFile(logoFile, logoSizeLimit, bytes).ok()) {
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        const QSize size = reader.size();
        if (!size.isValid() || qint64(size.width()) * size.height() <= logoPixelLimit) {
            reader.setScaledSize(target);
            picture = reader.read();
        }
    }
    if (picture.isNull()) {
        initResources();
        picture.load(QStringLiteral(":/logo/default-logo.bmp"));
        picture = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(box->devicePixelRatio());
    box->setPixmap(pixmap);
}

bool FileCommands::startUp() {
    loadLogo();
    if (m_session.startUp().ok()) {
        m_window.Show_Engine_Data();
    } else if (m_prompts.proceedAfterDataError(&m_window)) {
        m_session.proceedWithInitialValues(); // what the boxes show
    } else {
        return false;
    }
    m_window.ownerBox()->setPlainText(m_session.owner());
    return true;
}

void FileCommands::save() {
    const QString path = m_prompts.chooseDataFile(&m_window, FileChoice::Save);
    if (path.isEmpty()) {
        return; // cancelled
    }
    const bool existed = QFileInfo(path).isFile();
    if (const auto status = m_session.save(path); !status.ok()) {
        m_prompts.inform(&m_window, messageBoxTitle(), saveFailedText(path, status, existed),
                         MessageIcon::Exclamation);
    }
}

void FileCommands::fetch() {
    const QString path = m_prompts.chooseDataFile(&m_window, FileChoice::Open);
    if (!path.isEmpty() && m_session.fetch(path).ok()) {
        m_window.Show_Engine_Data();
        return;
    }
    // Cancel and an unreadable file alike; the record is as it was.
    if (!m_prompts.proceedAfterDataError(&m_window)) {
        m_endProgram();
    }
}

void FileCommands::help() {
    // A viewer of its own each time: whatever a document does to it, the
    // calculator and its values are not touched, and it outlives Quit.
    if (!m_prompts.startHelpViewer()) {
        m_prompts.inform(&m_window, messageBoxTitle(), helpFailedText(), MessageIcon::Exclamation);
    }
}

void FileCommands::quit() {
    if (const auto kept = m_session.keepForNextStart(); !kept.ok()) {
        m_prompts.inform(&m_window, messageBoxTitle(), quitFailedText(kept),
                         MessageIcon::Exclamation);
    }
    m_endProgram();
}

} // namespace tolvaric
