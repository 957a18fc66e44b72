// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Numbers in the boxes are shown and read in the user's notation: the locale's
// decimal separator and digits (Latin digits are read as well), no group
// separators, so "4.125" under a German locale is refused, not 4125.

#include "model/DecimalReader.h"
#include "model/DisplayPicture.h"

#include <QLocale>
#include <QString>

namespace tolvaric {

// A number written with "." and Latin digits, in the locale's notation.
QString inLocaleNotation(const QString& plain, const QLocale& locale);
QString showValue(double value, Picture picture, const QLocale& locale);
DecimalReading readValue(const QString& text, const QLocale& locale);

} // namespace tolvaric
