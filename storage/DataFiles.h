// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The only operations that read or write the engine data files and the owner
// file. They report the problem when they fail and never show anything
// themselves. Writes replace the target only once everything is on disk;
// reads are all or nothing. The owner box lays out at most ownerTextLimit
// characters in a few tenths of a second, so that is the most the writer
// writes; the owner reader reads at most 4 MiB of any file.

#include "model/EngineData.h"
#include "storage/FileStatus.h"
#include "storage/WholeText.h"

#include <QString>

namespace tolvaric {

// The default data file, in the working folder, and the owner file's name
// in any folder.
inline const QString defaultDataFile = QStringLiteral("tolvaric.dat");
inline const QString ownerFile = QStringLiteral("owner");

inline constexpr qsizetype ownerTextLimit = 16384;
// `owner` cut to ownerTextLimit characters, never inside a surrogate pair.
inline QString ownerWithinLimit(const QString& owner) {
    return leftWhole(owner, ownerTextLimit);
}

FileStatus Write_Engine_File(const QString& path, const EngineData& engine);
// On failure `engine` is left exactly as it was.
FileStatus Read_Engine_File(const QString& path, EngineData& engine);

// The owner file in the same folder as a data file, as start-up and the
// sheet show it.
struct OwnerReading {
    QString name; // cut to ownerTextLimit
    bool found = false;
    bool cut = false;  // the file held more than the box shows
    FileStatus unread; // an owner file that is there but could not be read
};
// The owner file in the same folder as the data file `path`.
QString ownerFileBeside(const QString& path);

// Reads a data file into `engine` (as Read_Engine_File) and the owner file
// beside it into `owner`, whether or not the data file read.
FileStatus readEngineAndOwner(const QString& path, EngineData& engine, OwnerReading& owner);

FileStatus Write_Owner_File(const QString& path, const QString& owner);
// Sets `owner` only on success.
FileStatus Read_Owner_File(const QString& path, QString& owner);

} // namespace tolvaric
