// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A file name from the command line that is no text in the locale (bytes
// that are not UTF-8, say) would come back from Qt with other bytes. Such a
// name is kept as text with each byte that reads as no character standing
// for itself (as U+DC80 to U+DCFF), and whatever opens a file by its name
// here asks nameBytes for the bytes to open. No file is held open for it.

#include <QByteArray>
#include <QString>

namespace tolvaric {

// `bytes`, as main() got them, as text that gives the same bytes back.
QString nameFromBytes(const QByteArray& bytes);

// The bytes the file system knows `name` by.
QByteArray nameBytes(const QString& name);

// `path` for a sheet or a message: a byte that is no character shows as
// U+FFFD, and separators as the system writes them.
QString shownPath(const QString& path);

} // namespace tolvaric
