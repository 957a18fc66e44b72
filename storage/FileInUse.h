// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Another program holding a file open without sharing it: on Windows a
// spreadsheet, a backup or a sync tool does, and usually lets go within
// moments. Elsewhere files are not locked this way, and nothing waits.

#include "storage/FileStatus.h"

#include <QString>

#include <functional>

namespace tolvaric {

enum class FileUse { Read, Replace };

// Whether another program keeps `path` from being read or replaced now.
bool heldByAnother(const QString& path, FileUse use);

// `attempt`, tried again while another program holds the file, for about
// two seconds; then a failure that says the file is in use.
FileStatus whileHeld(const QString& path, FileUse use, const std::function<FileStatus()>& attempt);

} // namespace tolvaric
