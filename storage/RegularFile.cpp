// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace tolvaric {

FileStatus checkNotSpecial(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return FileStatus::failure(FileProblem::Folder);
    }
    if (info.exists() && !info.isFile()) {
        return FileStatus::failure(FileProblem::NotRegularFile);
    }
    return FileStatus::success();
}

FileStatus readFileStart(const QString& path, qint64 limit, QByteArray& bytes) {
    if (path.isEmpty()) {
        return FileStatus::failure(FileProblem::NoName);
    }
    if (auto status = checkNotSpecial(path); !status.ok) {
        return status;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
    return FileStatus::success();
}

FileStatus readWholeFile(const QString& path, qint64 limit, QByteArray& bytes) {
    auto status = readFileStart(path, limit, bytes);
    if (status.ok && bytes.size() > limit) {
        bytes.clear();
        return FileStatus::failure(FileProblem::TooLarge);
    }
    return status;
}

} // namespace tolvaric
