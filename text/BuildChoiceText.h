// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The builder's choices as typed, on the command line or in the window's
// sheet dialog, and the one line that says why a value is refused.

#include "model/BuildChoices.h"

#include <QLocale>
#include <QString>

namespace tolvaric {

// The texts as typed; an empty one is no choice.
struct ChoiceTexts {
    QString cylinders;
    QString altitude;
    QString boost;
    QString& operator[](Choice choice);
    const QString& operator[](Choice choice) const;
};

struct ChoicesRead {
    BuildChoices choices;
    QString refusal; // empty when every text reads
    Choice refused = Choice::Cylinders;
    bool ok() const { return refusal.isEmpty(); }
};

// Why `text` is not that choice, in one sentence.
QString choiceRefusal(Choice choice, ChoiceReading::Kind kind, const QString& text);

// Each text in the locale's notation (the command line's is "C").
ChoicesRead readChoices(const ChoiceTexts& texts, const QLocale& locale);

} // namespace tolvaric
