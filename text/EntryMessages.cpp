// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/EntryMessages.h"

#include "text/Messages.h"

#include <QStringList>

namespace tolvaric {

QString unreadableEntryText(const QString& caption, const QString& entry, TypedReading::Kind kind,
                            Quantity quantity, UnitSystem system, const QString& point) {
    const QString problem = kind == TypedReading::Kind::TooLarge
                                ? Messages::tr("%1: \"%2\" is too large for a number.")
                            : kind == TypedReading::Kind::WrongUnit
                                ? Messages::tr("%1: \"%2\" is not in a unit this field takes.")
                                : Messages::tr("%1: \"%2\" is not a number.");
    // The examples are written with a point and shown with the user's separator.
    auto withPoint = [&point](QString example) { return example.replace(QLatin1Char('.'), point); };
    QStringList names;
    for (const auto name : unitNames(quantity)) {
        names << QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    const QString list = names.join(QStringLiteral(", "));
    // A plain number that fits the field, in the window's units.
    QString example = QStringLiteral("4.125");
    QString units;
    switch (quantity) {
    case Quantity::Length:
        if (system == UnitSystem::Metric) {
            example = QStringLiteral("86.5");
            units = Messages::tr("It takes millimetres, or a unit: %1 (for example %2).")
                        .arg(list, withPoint(QStringLiteral("4.125 in")));
        } else {
            units = Messages::tr("It takes inches, or a unit: %1 (for example %2).")
                        .arg(list, withPoint(QStringLiteral("101.6 mm")));
        }
        break;
    case Quantity::Volume:
        example = QStringLiteral("65.5");
        units = Messages::tr("It takes cubic centimetres, or a unit: %1 (for example %2).")
                    .arg(list, withPoint(QStringLiteral("4.5 ci")));
        break;
    case Quantity::Angle:
        example = QStringLiteral("108");
        units = Messages::tr("It takes crank degrees, or a unit: %1 (for example %2).")
                    .arg(list, withPoint(QStringLiteral("106.5\u00B0")));
        break;
    case Quantity::Ratio:
        example = QStringLiteral("10.5:1");
        units = Messages::tr("It takes a ratio, as a number or written n%1 (for example %2).")
                    .arg(list, withPoint(QStringLiteral("9.5")));
        break;
    case Quantity::Pressure:
    case Quantity::Plain:
    case Quantity::Altitude: // the sheet's choices, which say what they take themselves
    case Quantity::Boost:
        break;
    }
    QString text = problem.arg(caption, entry) + QLatin1Char('\n') +
                   Messages::tr("The field keeps its previous value; type a number such as %1.")
                       .arg(withPoint(example));
    if (!units.isEmpty()) {
        text += QLatin1Char('\n') + units;
    }
    return text;
}

} // namespace tolvaric
