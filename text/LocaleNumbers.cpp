// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/LocaleNumbers.h"

namespace tolvaric {

namespace {

char32_t zeroOf(const QLocale& locale) {
    const auto zero = locale.zeroDigit().toUcs4();
    return zero.isEmpty() ? U'0' : zero.front();
}

// Marks that only steer the direction of right-to-left text.
bool isDirectionMark(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

QString withoutDirectionMarks(const QString& text) {
    QString plain;
    for (const char32_t c : text.toUcs4()) {
        if (!isDirectionMark(c)) {
            plain += QString::fromUcs4(&c, 1);
        }
    }
    return plain;
}

// Typed text in the notation the model reads: "." and Latin digits and signs.
QString plainNotation(const QString& text, const QLocale& locale) {
    const char32_t zero = zeroOf(locale);
    QString plain;
    for (const char32_t c : withoutDirectionMarks(text).toUcs4()) {
        const char32_t latin = c >= zero && c <= zero + 9 ? U'0' + (c - zero) : c;
        plain += QString::fromUcs4(&latin, 1);
    }
    const QString minus = withoutDirectionMarks(locale.negativeSign());
    const QString plus = withoutDirectionMarks(locale.positiveSign());
    const QString point = locale.decimalPoint();
    for (const auto& [from, to] :
         {std::pair{minus, QStringLiteral("-")},
          std::pair{QString(QChar(0x2212)), QStringLiteral("-")},
          std::pair{plus, QStringLiteral("+")}, std::pair{point, QStringLiteral(".")}}) {
        if (!from.isEmpty() && from != to) {
            plain.replace(from, to);
        }
    }
    return plain.trimmed();
}

} // namespace

QString showValue(double value, Quantity quantity, Picture picture, const QLocale& locale,
                  UnitSystem system) {
    return QString::fromStdString(
        formatForBox(value, quantity, picture, system, locale.decimalPoint().toStdString()));
}

TypedReading readValue(const QString& text, const QLocale& locale, Quantity quantity,
                       UnitSystem system) {
    // An override or isolate reorders what the box shows ("10.5" on screen
    // for 5.01 typed): such a text is no number. Marks alone are dropped.
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069)) {
            return {TypedReading::Kind::NotANumber, 0};
        }
    }
    return readTypedValue(plainNotation(text, locale).toStdString(), quantity, system);
}

} // namespace tolvaric
