// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// How every file operation and the session report: done, or failed with the
// problem. The window words the problem for the user (text/Messages); `reason`
// carries what only the system or the file can say. A value read goes to an
// out-parameter, set only on success.

#include <QString>

namespace tolvaric {

enum class FileProblem {
    None,
    NoName,         // an empty file name
    Folder,         // the name is a folder's
    NotRegularFile, // a pipe or a device
    ReadOnly,       // a file marked read-only: nobody writes it, an administrator neither
    TooLarge,       // more than the program reads
    DiskFull,       // a write stopped short
    InUse,          // another program holds the file and does not share it
    OwnerTooLong,   // more than the owner file may hold
    NoOwner,        // an owner file with no name in it
    Content,        // the file's text is not what it should be: `reason` says how
    System,         // the system refused: `reason` is its message
};

struct FileStatus {
    FileProblem problem = FileProblem::None;
    QString reason; // for Content and System
    // A failed write left the file as it was before (or there was none).
    bool previousKept = true;

    bool ok() const { return problem == FileProblem::None; }
    static FileStatus success() { return {}; }
    static FileStatus failure(FileProblem problem, const QString& reason = {}) {
        return {problem, reason};
    }
};

// What Quit's writing of the default data file and the owner file came to;
// both are attempted.
struct Kept {
    FileStatus data;
    FileStatus owner;
    bool ok() const { return data.ok() && owner.ok(); }
};

} // namespace tolvaric
