// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What only the tests look at in the prompts.

#include "ui/QtPrompts.h"

namespace tolvaric {

// The hidden window that hosts the file dialog, once one was needed.
inline QWidget* dialogHost(const QtPrompts& prompts) {
    return prompts.m_host;
}

} // namespace tolvaric
