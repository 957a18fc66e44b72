// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/DataFileDialog.h"

#include "storage/RegularFile.h"
#include "text/Messages.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace tolvaric {

namespace {

// The user may write it, and its mode bits do not mark it read-only.
bool writable(const QFileInfo& info) {
    return info.isWritable() && markedWritable(info);
}

} // namespace

FileRefusal dataFileRefusal(const QString& path, bool saving) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        return saving ? FileRefusal::NoFolder : FileRefusal::Missing;
    }
    if (!saving && !file.exists()) {
        return FileRefusal::Missing; // said here: Qt would read the typed name as markup
    }
    if (file.exists() && !file.isFile()) {
        return FileRefusal::NotAFile;
    }
    if (file.exists() && !writable(file)) {
        return FileRefusal::ReadOnlyFile;
    }
    if ((file.exists() || saving) && !folderTakesNewFiles(folder)) {
        return FileRefusal::ShutFolder;
    }
    return FileRefusal::None;
}

void DataFileDialog::accept() {
    const QStringList files = selectedFiles();
    // A native dialog (one without Qt's own file-name field) is no longer on
    // screen here: it is let through, and its caller says why and asks again.
    const bool ownWidgets = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) != nullptr;
    if (ownWidgets && !files.isEmpty() && !QFileInfo(files.front()).isDir()) {
        const auto refusal = dataFileRefusal(files.front(), acceptMode() == AcceptSave);
        if (refusal != FileRefusal::None) {
            QMessageBox box(QMessageBox::Warning, windowTitle(),
                            fileRefusalText(refusal, files.front()), QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText);
            box.exec();
            return;
        }
    }
    QFileDialog::accept();
}

} // namespace tolvaric
