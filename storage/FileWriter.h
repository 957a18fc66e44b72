// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Writing a whole file so that a failure never costs what was there: the new
// content replaces the old only once it is completely on disk. Where that
// cannot be done (a file the user may write in a folder the user may not),
// the file is written in place, and a write that fails puts the old bytes
// back. A device, pipe or folder is never replaced, and a file marked
// read-only is written by nobody, an administrator neither.

#include "storage/FileStatus.h"

#include <QByteArrayView>
#include <QString>

namespace tolvaric {

FileStatus writeWholeFile(const QString& path, QByteArrayView bytes);

// Over the old bytes without truncating first, so that the space they hold
// stays the file's; on failure the old bytes go back where they were. For a
// file in a folder that takes no new files.
FileStatus writeInPlace(const QString& path, QByteArrayView bytes);

} // namespace tolvaric
