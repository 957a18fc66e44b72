// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/OutputFile.h"

#include "storage/DataFiles.h"
#include "storage/FileName.h"
#include "storage/FileWriter.h"
#include "storage/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#endif

namespace tolvaric {

namespace {

bool isKeptName(const QString& name) {
#ifdef _WIN32
    constexpr auto cases = Qt::CaseInsensitive;
#else
    constexpr auto cases = Qt::CaseSensitive;
#endif
    return name.compare(ownerFile, cases) == 0 || name.compare(defaultDataFile, cases) == 0;
}

// Whether the existing file at `path` reads as an engine.
bool holdsAnEngine(const QString& path) {
    EngineData engine;
    return Read_Engine_File(path, engine).ok();
}

#ifndef _WIN32
FileStatus systemFailure(int error) {
    if (error == ENOSPC || error == EDQUOT) {
        return FileStatus::failure(FileProblem::DiskFull);
    }
    return FileStatus::failure(FileProblem::System, qt_error_string(error));
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// `path` followed through its last links, as far as they lead; the folders
// on the way are the system's to follow.
QByteArray followLinks(QByteArray path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat found {};
        if (::lstat(path.constData(), &found) != 0 || !S_ISLNK(found.st_mode)) {
            break;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length <= 0 || length == sizeof target) {
            break;
        }
        QByteArray next(target, length);
        path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
    }
    return path;
}

bool sameIdentity(const struct stat& one, const QString& other) {
    struct stat found {};
    return ::stat(nameBytes(other).constData(), &found) == 0 && found.st_dev == one.st_dev &&
           found.st_ino == one.st_ino;
}

// All of `bytes` to `descriptor`; the system's reason when it stops short.
FileStatus writeAll(int descriptor, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count =
            ::write(descriptor, bytes.data() + done, std::size_t(bytes.size() - done));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return systemFailure(count < 0 ? errno : ENOSPC);
        }
        done += count;
    }
    return ::fsync(descriptor) == 0 ? FileStatus::success() : systemFailure(errno);
}
#endif

} // namespace

bool namesKeptFile(const QString& path) {
    QFileInfo info(path);
    for (int hop = 0; hop < 40 && info.isSymLink(); ++hop) {
        info.setFile(info.symLinkTarget());
    }
    return isKeptName(info.fileName());
}

#ifdef _WIN32

OutputFile::OutputFile(const QString& path, const QStringList& read) : m_path(path) {
    // Windows drops a name's last dots and blanks, and Qt does not always:
    // "tolvaric.dat " would be another file to Qt and the engine to Windows.
    if (path.endsWith(QLatin1Char('.')) || path.endsWith(QLatin1Char(' '))) {
        m_refusal = OutputRefusal::NameNotKept;
        return;
    }
    // A stream of a file ("x.dat:part") is written past every check of the
    // file's name, and "\\?\" or "\\.\" paths past Qt's reading of them.
    const QString native = QDir::toNativeSeparators(path);
    const qsizetype colon = native.lastIndexOf(QLatin1Char(':'));
    if (native.startsWith(QLatin1String("\\\\?\\")) ||
        native.startsWith(QLatin1String("\\\\.\\")) ||
        (colon >= 0 && !(colon == 1 && native.at(0).isLetter()))) {
        m_refusal = OutputRefusal::NotAPlainName;
        return;
    }
    const QFileInfo info(path);
    bool kept = namesKeptFile(path);
    for (const auto& file : read) {
        const QString owner = ownerFileBeside(file);
        kept = kept || sameFile(path, file) || sameFile(path, owner) ||
               info.absoluteFilePath() == QFileInfo(owner).absoluteFilePath();
    }
    if (kept || (info.isFile() && holdsAnEngine(path))) {
        m_refusal = OutputRefusal::KeptFile;
    }
}

OutputFile::~OutputFile() = default;

FileStatus OutputFile::write(QByteArrayView bytes) {
    return writeWholeFile(m_path, bytes);
}

#else

OutputFile::OutputFile(const QString& path, const QStringList& read) : m_path(path) {
    const QByteArray given = nameBytes(path);
    struct stat found {};
    // A pipe, device or folder behind the name, a descriptor's among them.
    if (::stat(given.constData(), &found) == 0 && !S_ISREG(found.st_mode)) {
        m_opened = FileStatus::failure(S_ISDIR(found.st_mode) ? FileProblem::Folder
                                                              : FileProblem::NotRegularFile);
        return;
    }
    const QByteArray target = followLinks(given);
    const qsizetype slash = target.lastIndexOf('/');
    m_name = slash < 0 ? target : target.mid(slash + 1);
    if (m_name.isEmpty()) {
        m_opened = FileStatus::failure(FileProblem::Folder);
        return;
    }
    if (isKeptName(QFile::decodeName(m_name))) {
        m_refusal = OutputRefusal::KeptFile;
        return;
    }
    m_folder = ::open(folderOf(target).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0) {
        m_opened = systemFailure(errno);
        return;
    }
    if (::fstatat(m_folder, m_name.constData(), &found, AT_SYMLINK_NOFOLLOW) != 0) {
        return; // a new file
    }
    m_existed = true;
    if (S_ISLNK(found.st_mode)) {
        return; // a loop of links, or one put there since: the write replaces it
    }
    if (!S_ISREG(found.st_mode)) {
        m_opened = FileStatus::failure(S_ISDIR(found.st_mode) ? FileProblem::Folder
                                                              : FileProblem::NotRegularFile);
        return;
    }
    for (const auto& file : read) {
        if (sameIdentity(found, file) || sameIdentity(found, ownerFileBeside(file))) {
            m_refusal = OutputRefusal::KeptFile;
            return;
        }
    }
    const QString opened =
        QStringLiteral("/proc/self/fd/%1/").arg(m_folder) + nameFromBytes(m_name);
    if (holdsAnEngine(opened)) {
        m_refusal = OutputRefusal::KeptFile;
    }
}

OutputFile::~OutputFile() {
    if (m_folder >= 0) {
        ::close(m_folder);
    }
}

FileStatus OutputFile::write(QByteArrayView bytes) {
    if (!m_opened.ok()) {
        return m_opened;
    }
    struct statvfs space {};
    if (::fstatvfs(m_folder, &space) == 0 &&
        qint64(space.f_bavail) * qint64(space.f_frsize) < bytes.size()) {
        return FileStatus::failure(FileProblem::DiskFull);
    }
    struct stat old {};
    const bool existed = ::fstatat(m_folder, m_name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
                         S_ISREG(old.st_mode);
    if (existed && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return FileStatus::failure(FileProblem::ReadOnly);
    }
    // Beside the old file, then renamed over the entry itself.
    const QByteArray scratch = '.' + m_name.left(200) + ".tolvaric-" +
                               QByteArray::number(QRandomGenerator::global()->generate(), 36);
    const int file = ::openat(m_folder, scratch.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                              existed ? S_IRUSR | S_IWUSR : 0666);
    if (file < 0) {
        if ((errno == EACCES || errno == EROFS || errno == EPERM) && existed) {
            // A folder that takes no new files: the file itself, opened
            // without following a link and written over.
            const int inPlace = ::openat(m_folder, m_name.constData(),
                                         O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (inPlace < 0) {
                return systemFailure(errno);
            }
            auto status = writeInPlace(QStringLiteral("/proc/self/fd/%1").arg(inPlace), bytes);
            ::close(inPlace);
            return status;
        }
        return systemFailure(errno);
    }
    if (existed) {
        ::fchmod(file, old.st_mode & 07777);
    }
    auto status = writeAll(file, bytes);
    if (::close(file) != 0 && status.ok()) {
        status = systemFailure(errno);
    }
    if (status.ok() &&
        ::renameat(m_folder, scratch.constData(), m_folder, m_name.constData()) != 0) {
        status = systemFailure(errno);
    }
    if (!status.ok()) {
        ::unlinkat(m_folder, scratch.constData(), 0);
    }
    return status;
}

#endif

} // namespace tolvaric
