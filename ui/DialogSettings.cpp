// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/DialogSettings.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolvaric {

#ifdef _WIN32

namespace {

constexpr const wchar_t* qtProject = L"Software\\QtProject";
constexpr const wchar_t* organizationDefaults = L"Software\\QtProject\\OrganizationDefaults";
constexpr const wchar_t* fileDialog = L"Software\\QtProject\\OrganizationDefaults\\FileDialog";

bool keyThere(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// Deletes the key at `path` when it holds neither keys nor values.
void deleteIfEmpty(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    DWORD keys = 0;
    DWORD values = 0;
    const bool read =
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (read && keys == 0 && values == 0) {
        RegDeleteKeyW(HKEY_CURRENT_USER, path);
    }
}

bool wasThereAtStart() {
    static const bool there = keyThere(fileDialog);
    return there;
}

} // namespace

void noteFileDialogSettings() {
    wasThereAtStart();
}

void forgetFileDialogSettings() {
    if (wasThereAtStart()) {
        return; // the user's own, from before
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, fileDialog);
    RegDeleteKeyW(HKEY_CURRENT_USER, fileDialog);
    deleteIfEmpty(organizationDefaults);
    deleteIfEmpty(qtProject);
}

#else

void noteFileDialogSettings() {}
void forgetFileDialogSettings() {}

#endif

} // namespace tolvaric
