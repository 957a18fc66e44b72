// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/DataFileDialog.h"

#include "ui/Messages.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace tolvaric {

namespace {

// Write permission in the file's own mode bits: a file or folder marked
// read-only for everyone stays so, even for an administrator.
bool markedWritable(const QFileInfo& info) {
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

} // namespace

FileRefusal dataFileRefusal(const QString& path, bool saving) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        return saving ? FileRefusal::NoFolder : FileRefusal::None;
    }
    if (file.exists() && !file.isFile()) {
        return FileRefusal::NotAFile;
    }
    if (file.exists() && !markedWritable(file)) {
        return FileRefusal::ReadOnlyFile;
    }
    if ((file.exists() || saving) && !markedWritable(folder)) {
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
