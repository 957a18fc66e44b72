// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A file name from the command line that is no text in the locale (bytes
// that are not UTF-8, say) cannot go through Qt, which would write it back
// with other bytes. On Linux such a file is held open by its own bytes and
// named by its descriptor ("/proc/self/fd/5"); the owner file beside it is
// found through its folder's descriptor, and the name is shown as near as
// the locale allows. Elsewhere names pass as they are.

#include <QByteArray>
#include <QString>

namespace tolvaric {

// The name to use for `bytes`, as main() got them: the text itself, or a
// held name when the text would not give the bytes back and the file exists.
QString usableName(const QByteArray& bytes);

// The owner file in the same folder as the data file `path`.
QString ownerFileBeside(const QString& path);

// `path` for a sheet or a message: a held name as the whole path it stands
// for, in the locale's text as near as it goes.
QString shownPath(const QString& path);

} // namespace tolvaric
