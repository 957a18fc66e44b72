// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/DataFileDialog.h"

#include <QDir>
#include <QFileInfo>
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

QString saveRefusal(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        return QFileDialog::tr("The folder \"%1\" does not exist.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (file.exists()) {
        if (!file.isFile()) {
            return QFileDialog::tr("\"%1\" is not a file that can hold an engine.")
                .arg(file.fileName());
        }
        if (!markedWritable(file)) {
            return QFileDialog::tr("\"%1\" is read-only.\nChoose another name.")
                .arg(file.fileName());
        }
        return {};
    }
    if (!markedWritable(folder)) {
        return QFileDialog::tr("You cannot create files in the folder \"%1\".\nChoose another "
                               "folder.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    }
    return {};
}

void DataFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (acceptMode() == AcceptSave && !files.isEmpty() && !QFileInfo(files.front()).isDir()) {
        if (const QString why = saveRefusal(files.front()); !why.isEmpty()) {
            QMessageBox box(QMessageBox::Warning, windowTitle(), why, QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText);
            box.exec();
            return;
        }
    }
    QFileDialog::accept();
}

} // namespace tolvaric
