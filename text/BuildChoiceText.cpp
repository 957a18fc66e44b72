// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/BuildChoiceText.h"

#include "text/LocaleNumbers.h"
#include "text/TerminalText.h"

namespace tolvaric {

namespace {

// The choices' translation context ("tolvaric::BuildChoices").
class ChoiceText {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::BuildChoices)
};

} // namespace

QString choiceText(Choice choice, const char* text) {
    QString translated = QCoreApplication::translate("tolvaric::BuildChoices", text);
    if (translated.contains(QLatin1String("%1"))) {
        const ChoiceRule& rule = ruleOf(choice);
        translated = translated.arg(rule.lowest).arg(rule.highest);
    }
    return translated;
}

QString choiceRefusal(Choice choice, ChoiceReading::Kind kind, const QString& text) {
    using Kind = ChoiceReading::Kind;
    QString why;
    switch (kind) {
    case Kind::Value:
        return {};
    case Kind::NotANumber:
        why = ChoiceText::tr("\"%1\" is not %2.");
        break;
    case Kind::NoUnit:
        why = ChoiceText::tr("\"%1\" has no unit; give %2.");
        break;
    case Kind::WrongUnit:
        why = ChoiceText::tr("\"%1\" has a unit that does not fit; give %2.");
        break;
    case Kind::OutOfRange:
        why = ChoiceText::tr("\"%1\" is out of range; give %2.");
        break;
    }
    return why.arg(quotedEntry(text.trimmed()), choiceText(choice, wordsOf(choice).takes));
}

ChoicesRead readChoices(const ChoiceTexts& texts, const QLocale& locale) {
    ChoicesRead read;
    for (const ChoiceRule& rule : choiceRules) {
        const QString& text = texts[rule.choice];
        if (text.trimmed().isEmpty()) {
            continue;
        }
        const auto reading = checkChoice(rule.choice, readValue(text, locale, rule.quantity));
        if (reading.kind != ChoiceReading::Kind::Value) {
            read.refusal = choiceRefusal(rule.choice, reading.kind, text);
            read.refused = rule.choice;
            return read;
        }
        rule.keep(read.choices, reading.value);
    }
    return read;
}

} // namespace tolvaric
