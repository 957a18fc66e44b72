// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Why the file dialog refuses a name, for the message that says so.

namespace tolvaric {

enum class FileRefusal {
    None,
    NoFolder,     // the folder does not exist
    NotAFile,     // a folder, pipe or device of that name
    ReadOnlyFile, // the file is marked read-only
    ShutFolder,   // the folder is write-protected
    Missing,      // no such file to fetch
};

} // namespace tolvaric
