// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The window's two faces: a bold Arial (or its metric twin) for captions,
// boxes and buttons, and a bold script face for "Distribute Freely".

#include <QFont>

namespace tolvaric {

// "Arial", or its metric-compatible stand-in Liberation Sans.
QFont arial(double pointSize);
// "ScriptS", or URW's Chancery where it is missing, or any cursive face.
QFont script(double pointSize);

} // namespace tolvaric
