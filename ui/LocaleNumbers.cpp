#include "LocaleNumbers.h"

namespace tolvaric {

QString showValue(double value, Picture picture, const QLocale& locale) {
    return QString::fromStdString(
        formatPicture(value, picture, locale.decimalPoint().toStdString()));
}

std::optional<double> readValue(const QString& text, const QLocale& locale) {
    return parseDecimal(text.trimmed().toStdString(), locale.decimalPoint().toStdString());
}

} // namespace tolvaric
