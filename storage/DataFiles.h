// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The only operations that read or write the engine data files and the owner
// file. They report the problem when they fail and never show anything
// themselves. Writes replace the target only once everything is on disk;
// reads are all or nothing. The owner box lays out at most ownerTextLimit
// characters in a few tenths of a second, so that is the most the writer
// writes; the reader reads at most ownerFileLimit bytes of any file.

#include "model/EngineData.h"
#include "storage/FileStatus.h"

#include <QString>

namespace tolvaric {

inline constexpr qint64 ownerFileLimit = 4 * 1024 * 1024;
inline constexpr qsizetype ownerTextLimit = 16384;
// `owner` cut to ownerTextLimit characters, never inside a surrogate pair.
inline QString ownerWithinLimit(QString owner) {
    if (owner.size() > ownerTextLimit) {
        owner.truncate(ownerTextLimit - (owner.at(ownerTextLimit - 1).isHighSurrogate() ? 1 : 0));
    }
    return owner;
}

FileStatus Write_Engine_File(const QString& path, const EngineData& engine);
// On failure `engine` is left exactly as it was.
FileStatus Read_Engine_File(const QString& path, EngineData& engine);

FileStatus Write_Owner_File(const QString& path, const QString& owner);
// Sets `owner` only on success.
FileStatus Read_Owner_File(const QString& path, QString& owner);

} // namespace tolvaric
