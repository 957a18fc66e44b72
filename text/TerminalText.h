// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Text from a file or a name, made safe for one line on a terminal: an
// escape shows as \e, a NUL as \0, a line end or tab as a blank, and any
// other control character as "?", so that nothing a file holds can move the
// cursor, recolour the screen or end the line.

#include <QString>

namespace tolvaric {

inline QString terminalText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x1B) {
            shown += QStringLiteral("\\e");
        } else if (u == 0) {
            shown += QStringLiteral("\\0");
        } else if (u == u'\n' || u == u'\r' || u == u'\t') {
            shown += QLatin1Char(' ');
        } else if (u < 0x20 || (u >= 0x7F && u < 0xA0)) {
            shown += QLatin1Char('?');
        } else {
            shown += c;
        }
    }
    return shown;
}

// A name on a page, safe as above and no longer than 30 characters: a long
// one would push the figures off the page, so it shows its start, never
// cutting a character in two.
inline QString pageCell(const QString& text) {
    constexpr qsizetype longest = 30;
    const QString shown = terminalText(text);
    if (shown.size() <= longest) {
        return shown;
    }
    const qsizetype cut = longest - (shown.at(longest - 1).isHighSurrogate() ? 1 : 0);
    return shown.left(cut) + QChar(0x2026);
}

} // namespace tolvaric
