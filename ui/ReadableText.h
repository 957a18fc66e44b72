// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Text on the window's fixed backgrounds (the grey, the button faces) stays
// readable on a dark desktop: the desktop's text colour where it contrasts
// enough with the background (WCAG's 4.5:1), black where it does not.

#include <QColor>

namespace tolvaric {

// WCAG's contrast ratio of two colours, from 1 (none) to 21.
double contrastRatio(const QColor& a, const QColor& b);

QColor readableOn(const QColor& background, const QColor& desktopText);

} // namespace tolvaric
