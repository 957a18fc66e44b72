// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/BuildChoiceText.h"

#include "text/LocaleNumbers.h"
#include "text/TerminalText.h"

#include <QCoreApplication>

#include <utility>

namespace tolvaric {

namespace {

// The choices' translation context ("tolvaric::BuildChoices").
class ChoiceText {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::BuildChoices)
};

// What a choice takes, for the line that refuses one.
QString takes(Choice choice) {
    switch (choice) {
    case Choice::Cylinders:
        return ChoiceText::tr("a whole number of cylinders from %1 to %2")
            .arg(fewestCylinders)
            .arg(mostCylinders);
    case Choice::Altitude:
        return ChoiceText::tr("an altitude in ft or m from %1 ft to %2 ft, such as 6000ft or 1830m")
            .arg(lowestAltitudeFeet)
            .arg(highestAltitudeFeet);
    case Choice::Boost:
        return ChoiceText::tr(
                   "a boost in psi, bar or kPa from 0 to %1 psi, such as 8psi or 0.55bar")
            .arg(mostBoostPsi);
    }
    return {};
}

} // namespace

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
    return why.arg(quotedEntry(text.trimmed()), takes(choice));
}

const QString& ChoiceTexts::operator[](Choice choice) const {
    return choice == Choice::Cylinders ? cylinders : choice == Choice::Altitude ? altitude : boost;
}

QString& ChoiceTexts::operator[](Choice choice) {
    return const_cast<QString&>(std::as_const(*this)[choice]);
}

ChoicesRead readChoices(const ChoiceTexts& texts, const QLocale& locale) {
    ChoicesRead read;
    for (const Choice choice : {Choice::Cylinders, Choice::Altitude, Choice::Boost}) {
        const QString& text = texts[choice];
        if (text.trimmed().isEmpty()) {
            continue;
        }
        const auto reading = checkChoice(choice, readValue(text, locale, quantityOf(choice)));
        if (reading.kind != ChoiceReading::Kind::Value) {
            read.refusal = choiceRefusal(choice, reading.kind, text);
            read.refused = choice;
            return read;
        }
        switch (choice) {
        case Choice::Cylinders:
            read.choices.cylinders = int(reading.value);
            break;
        case Choice::Altitude:
            read.choices.altitudeFeet = reading.value;
            break;
        case Choice::Boost:
            read.choices.boostPsi = reading.value;
            break;
        }
    }
    return read;
}

} // namespace tolvaric
