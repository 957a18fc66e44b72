// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The builder's choices as typed, on the command line or in the window's
// sheet dialog, the words for each, and the one line that says why a value
// is refused.

#include "model/BuildChoices.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <array>

namespace tolvaric {

// The words for each choice, a row each in the order of choiceRules: its
// option (--cylinders), the value's name and the line in --help, the sheet
// dialog's label and example, and what a refusal says it takes. "%1" and
// "%2" in a line are the range's ends.
struct ChoiceWords {
    Choice choice;
    const char* option;
    const char* valueName;
    const char* help;
    const char* label;
    const char* example;
    const char* takes;
};

// clang-format off
inline constexpr std::array choiceWords{
    ChoiceWords{Choice::Cylinders, "cylinders", QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "N"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "Add the displacement of the whole engine of N cylinders (%1 to %2)."),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "&Cylinders:"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "8"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "a whole number of cylinders from %1 to %2")},
    ChoiceWords{Choice::Altitude, "altitude", QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "ALTITUDE"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "Add the air pressure at ALTITUDE (6000ft or 1830m, %1 to %2 ft) and the cranking pressure a gauge reads there."),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "&Altitude:"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "6000ft or 1830m"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "an altitude in ft or m from %1 ft to %2 ft, such as 6000ft or 1830m")},
    ChoiceWords{Choice::Boost, "boost", QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "BOOST"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "Add the effective compression ratios with BOOST (8psi or 0.55bar, %1 to %2 psi)."),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "&Boost:"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "8psi or 0.55bar"),
        QT_TRANSLATE_NOOP("tolvaric::BuildChoices", "a boost in psi, bar or kPa from %1 to %2 psi, such as 8psi or 0.55bar")},
};
// clang-format on

constexpr bool wordsInChoiceOrder() {
    for (std::size_t i = 0; i < choiceWords.size(); ++i) {
        if (std::size_t(choiceWords[i].choice) != i) {
            return false;
        }
    }
    return true;
}
static_assert(choiceWords.size() == choiceCount && wordsInChoiceOrder(),
              "one row of words for each choice, in the rules' order");

constexpr const ChoiceWords& wordsOf(Choice choice) {
    return choiceWords[std::size_t(choice)];
}

// One of a row's texts in the user's language, the choice's range put in.
QString choiceText(Choice choice, const char* text);

// The texts as typed, one for each choice; an empty one is no choice.
struct ChoiceTexts {
    std::array<QString, choiceCount> typed;
    QString& operator[](Choice choice) { return typed[std::size_t(choice)]; }
    const QString& operator[](Choice choice) const { return typed[std::size_t(choice)]; }
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
