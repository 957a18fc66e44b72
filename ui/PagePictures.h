// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The pictures of a help page as the reader sees them: one that cannot be
// shown leaves its alt text in a frame rather than a blank gap, and every
// picture grows and shrinks with the text when the page is zoomed.

#include <QSize>
#include <QString>

#include <functional>

class QTextDocument;

namespace tolvaric {

// Replaces each picture for which `missing(name)` holds with its alt text
// (or `fallback`, when it has none) in a framed box.
void frameMissingPictures(QTextDocument& document,
                          const std::function<bool(const QString& name)>& missing,
                          const QString& fallback);

// Sets every picture to `factor` times the size the document gives it, or
// its `natural` size where the document gives none.
void scalePictures(QTextDocument& document, double factor,
                   const std::function<QSize(const QString& name)>& natural);

} // namespace tolvaric
