// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What only the tests look at in the window.

#include "ui/MainWindow.h"

#include <QLabel>
#include <QTextEdit>

namespace tolvaric {

inline QTextEdit* ownerBox(const MainWindow& window) {
    return window.m_owner;
}
inline QLabel* logo(const MainWindow& window) {
    return window.m_logo;
}

} // namespace tolvaric
