// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The module that holds the window, the help viewer and the PDF sheet.

#include "app/GuiModule.h"
#include "ui/Application.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT int tolvaricGuiModule(int* argc, char** argv, int role) {
    switch (static_cast<tolvaric::GuiRole>(role)) {
    case tolvaric::GuiRole::HelpViewer:
        return tolvaric::runHelpViewer(*argc, argv);
    case tolvaric::GuiRole::PdfSheet:
        return tolvaric::runPdfSheetCommand(*argc, argv);
    case tolvaric::GuiRole::Window:
        break;
    }
    return tolvaric::runTolvaric(*argc, argv);
}

static_assert(std::is_same_v<decltype(&tolvaricGuiModule), tolvaric::GuiModuleEntry>);
