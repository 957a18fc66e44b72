// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A text cut to a length without splitting a character that takes two
// UTF-16 units (an emoji, a rare CJK character): the cut falls before it.

#include <QString>

namespace tolvaric {

// At most `most` units from the start.
inline QString leftWhole(const QString& text, qsizetype most) {
    if (text.size() <= most) {
        return text;
    }
    return text.left(most > 0 && text.at(most - 1).isHighSurrogate() ? most - 1 : most);
}

// At most `most` units from the end.
inline QString rightWhole(const QString& text, qsizetype most) {
    if (text.size() <= most) {
        return text;
    }
    const qsizetype from = text.size() - most;
    return text.mid(text.at(from).isLowSurrogate() ? from + 1 : from);
}

} // namespace tolvaric
