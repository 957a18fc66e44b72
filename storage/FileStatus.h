// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// How every file operation and the session report: done, or failed with a
// short reason for the user. A value read goes to an out-parameter, set only
// on success.

#include <QString>

namespace tolvaric {

struct FileStatus {
    bool ok = true;
    QString reason; // why it failed, for the user

    static FileStatus success() { return {}; }
    static FileStatus failure(const QString& why) { return {false, why}; }
};

} // namespace tolvaric
