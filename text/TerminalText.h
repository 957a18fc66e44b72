// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Text from a file or a name, made safe for one line on a terminal: an
// escape shows as \e, a NUL as \0, a line end or tab as a blank, and any
// other control character as "?", so that nothing a file holds can move the
// cursor, recolour the screen or end the line.

#include "storage/WholeText.h"

#include <QString>

#include <algorithm>

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

// The start of `text`, at most `longest` characters and an ellipsis, never
// cutting a character in two.
inline QString startOf(const QString& text, qsizetype longest) {
    if (text.size() <= longest) {
        return text;
    }
    return leftWhole(text, longest) + QChar(0x2026);
}

// A name on a page, safe as above and no longer than 30 characters: a long
// one would push the figures off the page, so it shows its start.
inline QString pageCell(const QString& text) {
    return startOf(terminalText(text), 30);
}

// `text` set apart from the words around it when it holds characters that
// run right to left or turn the direction, so that they turn nothing else.
inline QString isolated(const QString& text) {
    const bool turns = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        const auto direction = c.direction();
        return direction != QChar::DirL && direction != QChar::DirEN && direction != QChar::DirES &&
               direction != QChar::DirET && direction != QChar::DirCS &&
               direction != QChar::DirNSM && direction != QChar::DirBN &&
               direction != QChar::DirB && direction != QChar::DirS && direction != QChar::DirWS &&
               direction != QChar::DirON;
    });
    if (!turns) {
        return text;
    }
    constexpr char16_t firstStrongIsolate = 0x2068;
    constexpr char16_t popDirectionalIsolate = 0x2069;
    return QChar(firstStrongIsolate) + text + QChar(popDirectionalIsolate);
}

// A file's path on a page: its name whole, and as many of its last folders
// as fit beside it in 40 characters, the rest shown as "…".
inline QString pagePath(const QString& path) {
    constexpr qsizetype longest = 40;
    const QString shown = terminalText(path);
    if (shown.size() <= longest) {
        return shown;
    }
    const auto separator =
        std::max(shown.lastIndexOf(QLatin1Char('/')), shown.lastIndexOf(QLatin1Char('\\')));
    qsizetype kept = separator; // where the part kept starts: a separator
    while (kept > 0) {
        const auto before = std::max(shown.lastIndexOf(QLatin1Char('/'), kept - 1),
                                     shown.lastIndexOf(QLatin1Char('\\'), kept - 1));
        if (before < 0 || shown.size() - before + 1 > longest) {
            break;
        }
        kept = before;
    }
    return kept <= 0 ? shown : QChar(0x2026) + shown.mid(kept);
}

// Typed text quoted in a message: its start only (a pasted page would push
// the message off the screen), set apart as above.
inline QString quotedEntry(const QString& text) {
    return isolated(startOf(text, 40));
}

} // namespace tolvaric
