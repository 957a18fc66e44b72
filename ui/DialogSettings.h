// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Qt's file dialogs keep their history and last folder: on Windows under
// HKEY_CURRENT_USER\Software\QtProject\OrganizationDefaults\FileDialog,
// elsewhere in a settings file, which tolvaric sends nowhere. tolvaric keeps
// nothing beyond its own files, and never touches another program's: after
// a dialog, the dialog's key goes again if it was not there when tolvaric
// started, and the keys above it only when nothing else is left in them.

namespace tolvaric {

// Notes, once, whether the dialogs' key was there at start.
void noteFileDialogSettings();
// Removes what the file dialogs wrote, unless their key was there at start.
void forgetFileDialogSettings();

} // namespace tolvaric
