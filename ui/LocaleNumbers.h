#pragma once
// Numbers in the boxes use the decimal separator of the user's locale and no
// group separators, so "4.125" under a German locale is refused, not 4125.

#include "DisplayPicture.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace tolvaric {

QString showValue(double value, Picture picture, const QLocale& locale);
std::optional<double> readValue(const QString& text, const QLocale& locale);

} // namespace tolvaric
