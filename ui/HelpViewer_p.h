// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What only the tests look at in the help viewer.

#include "ui/HelpBrowser.h"
#include "ui/HelpViewer.h"

#include <QLineEdit>

namespace tolvaric {

inline HelpBrowser* browser(const HelpViewer& viewer) {
    return viewer.m_browser;
}
inline QWidget* findBar(const HelpViewer& viewer) {
    return viewer.m_findBar;
}
inline QLineEdit* findField(const HelpViewer& viewer) {
    return viewer.m_findField;
}
inline qint64 decodedPictureBytes(const HelpBrowser& browser) {
    return browser.m_pictureBytes;
}

} // namespace tolvaric
