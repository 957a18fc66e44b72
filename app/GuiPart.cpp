// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The module that holds the window, the help viewer and the PDF sheet.

#include "app/GuiPart.h"
#include "ui/Application.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT int tolvaricGuiPart(int* argc, char** argv, int part) {
    switch (static_cast<tolvaric::GuiPart>(part)) {
    case tolvaric::GuiPart::HelpViewer:
        return tolvaric::runHelpViewer(*argc, argv);
    case tolvaric::GuiPart::PdfSheet:
        return tolvaric::runPdfSheetCommand(*argc, argv);
    case tolvaric::GuiPart::Window:
        break;
    }
    return tolvaric::runTolvaric(*argc, argv);
}
static_assert(std::is_same_v<decltype(&tolvaricGuiPart), tolvaric::GuiPartEntry>);
