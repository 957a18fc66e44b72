// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// One message box's title, text and icon.

#include <QString>

namespace tolvaric {

enum class MessageIcon { Critical, Exclamation };

struct Message {
    QString title;
    QString text;
    MessageIcon icon;
};

} // namespace tolvaric
