// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The help document measured as Qt's reader will read it (quoted values,
// end tags closing only what is open, words running on across inline
// tags), before anything is laid out: a document too deep, with too long a
// word, too many nested table cells or pictures would take minutes or
// overflow the stack.

#include <QtGlobal>

#include <string_view>

namespace tolvaric {

// How deep the elements of an HTML text nest and its longest word, as far as
// laying it out is concerned.
struct HtmlShape {
    int depth = 0;
    qsizetype longestWord = 0;
    // Laying out a table cell costs far more than text, and about twice as
    // much with each table around it: each cell counts 2^(tables around - 1).
    qint64 tableWork = 0;
    qint64 pictures = 0;
};

HtmlShape measureHtml(std::string_view html);

} // namespace tolvaric
