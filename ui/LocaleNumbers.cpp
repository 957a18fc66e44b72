// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/LocaleNumbers.h"

namespace tolvaric {

namespace {

char32_t zeroOf(const QLocale& locale) {
    const auto zero = locale.zeroDigit().toUcs4();
    return zero.isEmpty() ? U'0' : zero.front();
}

} // namespace

QString inLocaleNotation(const QString& plain, const QLocale& locale) {
    const char32_t zero = zeroOf(locale);
    QString shown;
    for (const char32_t c : plain.toUcs4()) {
        if (c == U'.') {
            shown += locale.decimalPoint();
        } else if (c >= U'0' && c <= U'9') {
            const char32_t digit = zero + (c - U'0');
            shown += QString::fromUcs4(&digit, 1);
        } else {
            shown += QString::fromUcs4(&c, 1);
        }
    }
    return shown;
}

QString showValue(double value, Picture picture, const QLocale& locale) {
    return inLocaleNotation(QString::fromStdString(formatPicture(value, picture)), locale);
}

DecimalReading readValue(const QString& text, const QLocale& locale) {
    const char32_t zero = zeroOf(locale);
    QString latin;
    for (const char32_t c : text.trimmed().toUcs4()) {
        const char32_t plain = c >= zero && c <= zero + 9 ? U'0' + (c - zero) : c;
        latin += QString::fromUcs4(&plain, 1);
    }
    if (locale.negativeSign() != QStringLiteral("-")) {
        latin.replace(locale.negativeSign(), QStringLiteral("-"));
    }
    if (locale.positiveSign() != QStringLiteral("+")) {
        latin.replace(locale.positiveSign(), QStringLiteral("+"));
    }
    return readDecimal(latin.toStdString(), locale.decimalPoint().toStdString());
}

} // namespace tolvaric
