// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/FileWriter.h"

#include "storage/FileInUse.h"

#include "storage/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

namespace tolvaric {

namespace {

bool roomFor(const QString& folder, qint64 bytes) {
    const QStorageInfo storage(folder);
    return !storage.isValid() || storage.bytesAvailable() < 0 || storage.bytesAvailable() >= bytes;
}

// Why a write stopped short. Qt reports no error for a write that stopped
// part-way; the system's own reason (`error`, read at once) tells a full
// disk from a file-size limit.
FileStatus writeFailure(const QFileDevice& file, int error) {
    if (file.error() != QFileDevice::NoError && file.error() != QFileDevice::ResizeError) {
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
#ifndef Q_OS_WIN
    if (error != 0 && error != ENOSPC && error != EDQUOT) {
        return FileStatus::failure(FileProblem::System, qt_error_string(error));
    }
#else
    (void)error;
#endif
    return FileStatus::failure(FileProblem::DiskFull);
}

// Beside the old file, then renamed over it.
FileStatus replaceWhole(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows in write()'s count
    // instead of being lost in a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        auto status = writeFailure(file, errno);
        file.cancelWriting();
        return status;
    }
    if (!file.commit()) {
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
    return FileStatus::success();
}

} // namespace

FileStatus writeInPlace(const QString& path, QByteArrayView bytes) {
    QByteArray previous;
    if (auto status = readWholeFile(path, std::max<qint64>(bytes.size(), 1 << 20) * 4, previous);
        !status.ok()) {
        return status;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) == bytes.size() && file.resize(bytes.size()) &&
        file.flush()) {
        return FileStatus::success();
    }
    auto status = writeFailure(file, errno);
    file.unsetError();
    const bool restored = file.seek(0) && file.write(previous) == previous.size() &&
                          file.resize(previous.size()) && file.flush();
    status.previousKept = restored;
    return status;
}

FileStatus writeWholeFile(const QString& path, QByteArrayView bytes) {
    // A device or pipe must not be replaced by a plain file.
    if (auto status = checkNotSpecial(path); !status.ok()) {
        return status;
    }
    const QFileInfo file(path);
    if (file.exists() && !markedWritable(file)) {
        return FileStatus::failure(FileProblem::ReadOnly);
    }
    const QFileInfo folder(file.absolutePath());
    const bool inPlace =
        file.exists() && file.isWritable() && folder.isDir() && !folder.isWritable();
    const qint64 needed = inPlace ? bytes.size() - file.size() : bytes.size();
    if (!roomFor(folder.absoluteFilePath(), needed)) {
        return FileStatus::failure(FileProblem::DiskFull);
    }
    return whileHeld(path, FileUse::Replace, [&] {
        return inPlace ? writeInPlace(path, bytes) : replaceWhole(path, bytes);
    });
}

} // namespace tolvaric
