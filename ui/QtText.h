// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The model keeps its texts as UTF-8 string views; the widgets want QString.

#include <QString>

#include <string_view>

namespace tolvaric {

inline QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// At most `most` characters of `text`, with "…" for the rest.
inline QString elided(const QString& text, qsizetype most) {
    if (text.size() <= most) {
        return text;
    }
    QString start = text.left(most);
    if (start.back().isHighSurrogate()) {
        start.chop(1); // never half a character
    }
    return start + QChar(0x2026);
}

} // namespace tolvaric
