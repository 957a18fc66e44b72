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

} // namespace tolvaric
