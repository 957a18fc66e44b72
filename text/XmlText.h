// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace tolvaric {

// `text` as XML character data: a character XML does not allow (a control,
// U+FFFE, U+FFFF, half a surrogate pair) shows as U+FFFD, which keeps the
// page well-formed.
inline QString xmlText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                          QChar::isLowSurrogate(text.at(i + 1).unicode());
        if (pair) {
            kept += text.mid(i++, 2);
        } else if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE ||
                   c == 0xFFFF || QChar::isSurrogate(c)) {
            kept += QChar::ReplacementCharacter;
        } else {
            kept += QChar(c);
        }
    }
    return kept.toHtmlEscaped();
}

} // namespace tolvaric
