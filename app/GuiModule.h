// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What needs Qt's GUI libraries (the window, the help viewer, a PDF sheet)
// is a module of its own, loaded only when asked for: the text sheets of the
// command line start without loading those libraries at all.

namespace tolvaric {

enum class GuiRole : int { Window = 0, HelpViewer = 1, PdfSheet = 2 };

// The module's one entry, looked up by this name. `argc` and `argv` are
// main()'s; the module makes the application object and runs its loop.
inline constexpr const char* guiModuleEntryName = "tolvaricGuiModule";
using GuiModuleEntry = int (*)(int* argc, char** argv, int role);

} // namespace tolvaric
