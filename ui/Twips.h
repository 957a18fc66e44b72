// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The window is laid out in twips, 1440 to the inch: 15 twips make one pixel
// at 96 dots per inch. Qt's high-DPI scaling takes care of larger screens.

#include <QRect>

namespace tolvaric {

inline constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / twipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

constexpr QRect twipsRect(const QRect& twips) {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace tolvaric
