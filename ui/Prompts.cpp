// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "Prompts.h"

#include "QtText.h"

namespace tolvaric {

void Prompts::inform(QWidget* parent, const Message& message) {
    inform(parent, fromView(message.title), fromView(message.text), message.icon);
}

QString messageBoxTitle() {
    return fromView(applicationTitle);
}

QString dataErrorTitle() {
    return QStringLiteral("Data Error!");
}

QString dataErrorText() {
    return QStringLiteral("Something's amiss in the default data\r\n          PROCEED ANYWAY??");
}

} // namespace tolvaric
