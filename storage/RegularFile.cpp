// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace tolvaric {

FileStatus readFileStart(const QString& path, qint64 limit, QByteArray& bytes) {
    if (path.isEmpty()) {
        return FileStatus::failure(QStringLiteral("no file name"));
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        return FileStatus::failure(QStringLiteral("it is a folder"));
    }
    if (info.exists() && !info.isFile()) {
        return FileStatus::failure(QStringLiteral("it is not a regular file"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileStatus::failure(file.errorString());
    }
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileStatus::failure(file.errorString());
    }
    return FileStatus::success();
}

FileStatus readWholeFile(const QString& path, qint64 limit, QByteArray& bytes) {
    auto status = readFileStart(path, limit, bytes);
    if (status.ok && bytes.size() > limit) {
        bytes.clear();
        return FileStatus::failure(QStringLiteral("it is larger than %1 MiB").arg(limit >> 20));
    }
    return status;
}

} // namespace tolvaric
