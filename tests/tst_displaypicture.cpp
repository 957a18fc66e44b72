// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/DecimalReader.h"
#include "model/DisplayPicture.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

using tolvaric::Picture;

Q_DECLARE_METATYPE(Picture)

class TestDisplayPicture : public QObject {
    Q_OBJECT
  private slots:
    void format_data();
    void format();
    void everyValueReadsBackWithinHalfAUnit();
};

void TestDisplayPicture::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("shown");

    const QString dot = ".";
    QTest::newRow("all integer digits") << 1234.5 << Picture::OneDecimal << dot << "1234.5";
    QTest::newRow("rounded to three decimals")
        << 12.3456 << Picture::ThreeDecimals << dot << "12.346";
    QTest::newRow("no leading zero") << 0.005 << Picture::ThreeDecimals << dot << ".005";
    QTest::newRow("trailing zeros kept") << 0.25 << Picture::ThreeDecimalsNoDigit << dot << ".250";
    QTest::newRow("zero") << 0.0 << Picture::OneDecimal << dot << ".0";
    QTest::newRow("half") << 0.5 << Picture::TwoDecimals << dot << ".50";
    QTest::newRow("no-digit picture shows integer digits")
        << 4.02 << Picture::ThreeDecimalsNoDigit << dot << "4.020";
    QTest::newRow("negative") << -0.5 << Picture::ThreeDecimals << dot << "-.500";
    QTest::newRow("whole number gains decimals") << 106.0 << Picture::OneDecimal << dot << "106.0";
    QTest::newRow("pressure") << 150.0 << Picture::TwoDecimalsWide << dot << "150.00";
    QTest::newRow("chamber one decimal") << 68.26 << Picture::OneDecimal << dot << "68.3";
    QTest::newRow("chamber two decimals") << 68.26 << Picture::TwoDecimalsWide << dot << "68.26";
    QTest::newRow("thickness") << 1.2 << Picture::ThreeDecimals << dot << "1.200";
    QTest::newRow("halfway rounds away from zero") << 0.125 << Picture::TwoDecimals << dot << ".13";
    QTest::newRow("halfway judged on the decimal text")
        << 2.675 << Picture::TwoDecimals << dot << "2.68";
    QTest::newRow("negative halfway") << -0.125 << Picture::TwoDecimals << dot << "-.13";
    QTest::newRow("carry into a new digit") << 9.999 << Picture::TwoDecimals << dot << "10.00";
    QTest::newRow("carry from below the first digit")
        << 0.0006 << Picture::ThreeDecimals << dot << ".001";
    QTest::newRow("just below half a unit") << 0.0004999 << Picture::ThreeDecimals << dot << ".000";
    QTest::newRow("negative rounding to zero has no sign")
        << -0.001 << Picture::TwoDecimals << dot << ".00";
    QTest::newRow("negative zero") << -0.0 << Picture::OneDecimal << dot << ".0";
    QTest::newRow("tiny") << 1e-300 << Picture::ThreeDecimals << dot << ".000";
    QTest::newRow("no exponent, no grouping")
        << 1e20 << Picture::OneDecimal << dot << "100000000000000000000.0";
    QTest::newRow("decimal comma") << 9.146123918870197 << Picture::TwoDecimals << ","
                                   << "9,15";
    QTest::newRow("comma, below one") << -0.5 << Picture::ThreeDecimals << ","
                                      << "-,500";
    QTest::newRow("not finite") << std::nan("") << Picture::OneDecimal << dot << "";
}

void TestDisplayPicture::format() {
    QFETCH(double, value);
    QFETCH(Picture, picture);
    QFETCH(QString, separator);
    QFETCH(QString, shown);
    QCOMPARE(
        QString::fromStdString(tolvaric::formatPicture(value, picture, separator.toStdString())),
        shown);
}

// Whatever the value, the text has the picture's decimals and reads back to a
// number no further away than half a unit of its last decimal.
void TestDisplayPicture::everyValueReadsBackWithinHalfAUnit() {
    std::mt19937_64 random(20261207);
    const Picture pictures[] = {Picture::ThreeDecimals, Picture::ThreeDecimalsNoDigit,
                                Picture::OneDecimal, Picture::TwoDecimals,
                                Picture::TwoDecimalsWide};
    const char* separators[] = {".", ","};
    for (int n = 0; n < 300000; ++n) {
        double value = 0;
        if (n % 3 == 0) {
            const auto bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value)) {
                continue;
            }
        } else {
            // Engine-sized numbers, where the rounding of each decimal matters.
            std::uniform_real_distribution<double> mantissa(-1, 1);
            std::uniform_int_distribution<int> exponent(-6, 8);
            value = mantissa(random) * std::pow(10.0, exponent(random));
        }
        const auto picture = pictures[n % 5];
        const auto separator = separators[(n / 5) % 2];
        const auto text = tolvaric::formatPicture(value, picture, separator);
        const auto decimals = tolvaric::pictureDecimals(picture);
        const auto at = text.find(separator);
        QVERIFY2(at != std::string::npos && text.size() - at - 1 == std::size_t(decimals),
                 text.c_str());
        QVERIFY2(text.find_first_of("eE") == std::string::npos, text.c_str());
        const auto back = tolvaric::parseDecimal(text, separator);
        QVERIFY2(back.has_value(), text.c_str());
        // Half a unit, plus the rounding of reading the text back into a double.
        const double allowed = 0.5 * std::pow(10.0, -decimals) + 4 * DBL_EPSILON * std::fabs(value);
        QVERIFY2(std::fabs(*back - value) <= allowed,
                 (text + " from " + std::to_string(value)).c_str());
    }
}

QTEST_APPLESS_MAIN(TestDisplayPicture)
#include "tst_displaypicture.moc"
