// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Prompts.h"

namespace tolvaric {

void Prompts::inform(QWidget* parent, const Message& message) {
    inform(parent, message.title, message.text, message.icon);
}

} // namespace tolvaric
