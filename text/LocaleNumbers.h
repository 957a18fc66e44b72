// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Numbers in the boxes: the program writes Latin digits with the locale's
// decimal separator ("4,125" under German, "4٫125" under Arabic). Typed text
// reads with the locale's separator or ".", with Latin digits or the locale's
// own, with "-", U+2212 or the locale's minus (its direction marks or not),
// and never with a group separator, so "1.234,5" is refused, not 1234.5.

#include "model/DisplayPicture.h"
#include "model/TypedValue.h"

#include <QLocale>
#include <QString>

namespace tolvaric {

// As a box shows a field's value, in the window's units.
QString showValue(double value, Quantity quantity, Picture picture, const QLocale& locale,
                  UnitSystem system = UnitSystem::Inch);
TypedReading readValue(const QString& text, const QLocale& locale,
                       Quantity quantity = Quantity::Plain, UnitSystem system = UnitSystem::Inch);

} // namespace tolvaric
