// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading files whose names come from outside: only a regular file is opened,
// and only so much of it is read. A pipe would wait for a writer for ever and
// a device may never end.

#include "storage/FileStatus.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <functional>
#include <string_view>

namespace tolvaric {

// Write permission in the file's own mode bits, whoever runs the program: a
// file or folder marked read-only for everyone stays so, root included.
bool markedWritable(const QFileInfo& info);

// Whether a new file may be made in the folder. On Windows the read-only
// attribute of a folder marks a customised one (Documents has it), which
// Windows ignores for writing: a file is made there and removed at once to
// see. Elsewhere the folder's mode bits, as markedWritable reads them.
bool folderTakesNewFiles(const QFileInfo& folder);

// Whether two names lead to one file (the same device and inode, or volume
// and file index): a link, another spelling or another case alike. False
// when either does not exist.
bool sameFile(const QString& one, const QString& other);

// Whether anything is there by that name, its bytes as nameBytes gives them.
bool fileExists(const QString& path);

// Success for a regular file or no file at all; a folder, pipe or device is
// refused, neither read nor replaced.
FileStatus checkNotSpecial(const QString& path);

// At most `limit` + 1 bytes of the file, so a caller can tell a longer one.
FileStatus readFileStart(const QString& path, qint64 limit, QByteArray& bytes);

// The file in pieces of a few kilobytes, each handed to `take` until it
// returns true (it needs no more) or the file ends.
FileStatus readInPieces(const QString& path, const std::function<bool(std::string_view)>& take);

// The whole file, refused when it holds more than `limit` bytes.
FileStatus readWholeFile(const QString& path, qint64 limit, QByteArray& bytes);

} // namespace tolvaric
