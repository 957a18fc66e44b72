// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/RegularFile.h"

#include "storage/FileName.h"

#ifdef _WIN32
#include "storage/FileInUse.h"
#endif

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tolvaric {

bool markedWritable(const QFileInfo& info) {
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & anyWrite) != 0;
}

bool folderTakesNewFiles(const QFileInfo& folder) {
#ifdef _WIN32
    QTemporaryFile probe(folder.absoluteFilePath() + QStringLiteral("/tolvaric-XXXXXX.tmp"));
    return probe.open(); // and removed as it goes
#else
    return folder.isWritable() && markedWritable(folder);
#endif
}

namespace {

std::filesystem::path systemPath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(nameBytes(path).toStdString());
#endif
}

} // namespace

bool sameFile(const QString& one, const QString& other) {
    std::error_code error;
    return !one.isEmpty() && !other.isEmpty() &&
           std::filesystem::equivalent(systemPath(one), systemPath(other), error) && !error;
}

bool fileExists(const QString& path) {
#ifdef _WIN32
    return QFileInfo::exists(path);
#else
    struct stat found {};
    return ::stat(nameBytes(path).constData(), &found) == 0;
#endif
}

FileStatus checkNotSpecial(const QString& path) {
#ifdef _WIN32
    const QFileInfo info(path);
    const bool exists = info.exists();
    const bool folder = info.isDir();
    const bool regular = info.isFile();
#else
    struct stat found {};
    const bool exists = ::stat(nameBytes(path).constData(), &found) == 0;
    const bool folder = exists && S_ISDIR(found.st_mode);
    const bool regular = exists && S_ISREG(found.st_mode);
#endif
    if (folder) {
        return FileStatus::failure(FileProblem::Folder);
    }
    if (exists && !regular) {
        return FileStatus::failure(FileProblem::NotRegularFile);
    }
    return FileStatus::success();
}

namespace {

FileStatus openRegular(const QString& path, QFile& file) {
    if (path.isEmpty()) {
        return FileStatus::failure(FileProblem::NoName);
    }
    if (auto status = checkNotSpecial(path); !status.ok()) {
        return status;
    }
    file.setFileName(path);
#ifndef _WIN32
    // The name may lead elsewhere by now (a pipe swapped in after the check):
    // open without waiting for a writer, and look at what was opened.
    const int descriptor =
        ::open(nameBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return FileStatus::failure(FileProblem::System, qt_error_string(errno));
    }
    struct stat opened {};
    if (fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(descriptor);
        return FileStatus::failure(S_ISDIR(opened.st_mode) ? FileProblem::Folder
                                                           : FileProblem::NotRegularFile);
    }
    fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
#else
    return whileHeld(path, FileUse::Read, [&file] {
        return file.open(QIODevice::ReadOnly)
                   ? FileStatus::success()
                   : FileStatus::failure(FileProblem::System, file.errorString());
    });
#endif
    return FileStatus::success();
}

} // namespace

FileStatus readInPieces(const QString& path, const std::function<bool(std::string_view)>& take) {
    QFile file;
    if (auto status = openRegular(path, file); !status.ok()) {
        return status;
    }
    constexpr qint64 pieceSize = 64 * 1024;
    QByteArray piece(pieceSize, Qt::Uninitialized);
    for (;;) {
        const qint64 count = file.read(piece.data(), pieceSize);
        if (count < 0) {
            return FileStatus::failure(FileProblem::System, file.errorString());
        }
        if (count == 0 || take({piece.constData(), std::size_t(count)})) {
            return FileStatus::success();
        }
    }
}

FileStatus readFileStart(const QString& path, qint64 limit, QByteArray& bytes) {
    QFile file;
    if (auto status = openRegular(path, file); !status.ok()) {
        return status;
    }
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileStatus::failure(FileProblem::System, file.errorString());
    }
    return FileStatus::success();
}

FileStatus readWholeFile(const QString& path, qint64 limit, QByteArray& bytes) {
    auto status = readFileStart(path, limit, bytes);
    if (status.ok() && bytes.size() > limit) {
        bytes.clear();
        return FileStatus::failure(FileProblem::TooLarge);
    }
    return status;
}

} // namespace tolvaric
