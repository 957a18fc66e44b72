// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/FileInUse.h"

#include <QDeadlineTimer>
#include <QThread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolvaric {

bool heldByAnother(const QString& path, FileUse use) {
#ifdef _WIN32
    // Opened as the program would use it, sharing everything itself: only
    // another's refusal to share makes this fail with a sharing violation.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()),
                                      use == FileUse::Read ? GENERIC_READ : DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
#else
    (void)path;
    (void)use;
    return false;
#endif
}

FileStatus whileHeld(const QString& path, FileUse use, const std::function<FileStatus()>& attempt) {
    const QDeadlineTimer deadline(2000);
    for (;;) {
        auto status = attempt();
        if (status.ok() || !heldByAnother(path, use)) {
            return status;
        }
        if (deadline.hasExpired()) {
            auto held = FileStatus::failure(FileProblem::InUse);
            held.previousKept = status.previousKept;
            return held;
        }
        QThread::msleep(100);
    }
}

} // namespace tolvaric
