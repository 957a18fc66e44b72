// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/HeldName.h"

#include "storage/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#endif

namespace tolvaric {

namespace {

#ifdef __linux__
const QString heldPrefix = QStringLiteral("/proc/self/fd/");

// What a held name stands for, in the bytes the file system knows it by.
QByteArray heldBytes(const QString& path) {
    if (!path.startsWith(heldPrefix)) {
        return {};
    }
    char target[PATH_MAX];
    const ssize_t length = readlink(QFile::encodeName(path).constData(), target, sizeof target - 1);
    return length > 0 ? QByteArray(target, length) : QByteArray();
}

// Held for as long as the program runs, which is one command.
QString held(const QByteArray& bytes, int flags) {
    const int descriptor = ::open(bytes.constData(), O_PATH | O_CLOEXEC | flags);
    return descriptor < 0 ? QString() : heldPrefix + QString::number(descriptor);
}
#endif

} // namespace

QString usableName(const QByteArray& bytes) {
    QString text = QFile::decodeName(bytes);
#ifdef __linux__
    if (QFile::encodeName(text) != bytes) {
        if (QString name = held(bytes, 0); !name.isEmpty()) {
            return name;
        }
    }
#endif
    return text;
}

QString ownerFileBeside(const QString& path) {
#ifdef __linux__
    if (const QByteArray bytes = heldBytes(path); !bytes.isEmpty()) {
        const qsizetype slash = bytes.lastIndexOf('/');
        const QByteArray folder =
            slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : bytes.left(slash);
        if (const QString name = held(folder, O_DIRECTORY); !name.isEmpty()) {
            return name + QLatin1Char('/') + ownerFile;
        }
    }
#endif
    return QFileInfo(path).dir().filePath(ownerFile);
}

QString shownPath(const QString& path) {
#ifdef __linux__
    if (const QByteArray bytes = heldBytes(path); !bytes.isEmpty()) {
        return QDir::toNativeSeparators(QFile::decodeName(bytes));
    }
#endif
    return QDir::toNativeSeparators(path);
}

} // namespace tolvaric
