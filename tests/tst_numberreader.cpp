// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Reading numbers: the plain decimal reader of data files and boxes, and
// typed values with their units under the user's locale.
#include "model/DecimalReader.h"
#include "text/LocaleNumbers.h"

#include <QFile>
#include <QTest>

using Kind = tolvaric::DecimalReading::Kind;
using Typed = tolvaric::TypedReading::Kind;
using tolvaric::Quantity;

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Typed)
Q_DECLARE_METATYPE(Quantity)

class TestNumberReader : public QObject {
    Q_OBJECT
  private slots:
    void parse_data();
    void parse();
    void typed_data();
    void typed();
    void helpNamesEveryUnit_data();
    void helpNamesEveryUnit();
};

void TestNumberReader::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "4.000"
                           << "." << Kind::Number << 4.0;
    QTest::newRow("no digit before the point") << ".036"
                                               << "." << Kind::Number << 0.036;
    QTest::newRow("no digit after the point") << "5."
                                              << "." << Kind::Number << 5.0;
    QTest::newRow("blanks around") << "  150.0 "
                                   << "." << Kind::Number << 150.0;
    QTest::newRow("minus, no digit") << "-.500"
                                     << "." << Kind::Number << -0.5;
    QTest::newRow("plus") << "+7"
                          << "." << Kind::Number << 7.0;
    QTest::newRow("exponent") << "1E+200"
                              << "." << Kind::Number << 1e200;
    QTest::newRow("small exponent") << "2.5e-3"
                                    << "." << Kind::Number << 0.0025;
    QTest::newRow("decimal comma") << "4,125"
                                   << "," << Kind::Number << 4.125;
    QTest::newRow("point under a comma locale") << "4.125"
                                                << "," << Kind::NotANumber << 0.0;
    QTest::newRow("comma under a point locale") << "4,125"
                                                << "." << Kind::NotANumber << 0.0;
    QTest::newRow("empty") << ""
                           << "." << Kind::NotANumber << 0.0;
    QTest::newRow("blank") << "   "
                           << "." << Kind::NotANumber << 0.0;
    QTest::newRow("lone sign") << "-"
                               << "." << Kind::NotANumber << 0.0;
    QTest::newRow("lone separator") << "."
                                    << "." << Kind::NotANumber << 0.0;
    QTest::newRow("two separators") << "4.0.2"
                                    << "." << Kind::NotANumber << 0.0;
    QTest::newRow("letters") << "abc"
                             << "." << Kind::NotANumber << 0.0;
    QTest::newRow("trailing letters") << "4x"
                                      << "." << Kind::NotANumber << 0.0;
    QTest::newRow("exponent without digits") << "4e"
                                             << "." << Kind::NotANumber << 0.0;
    QTest::newRow("too large") << "1e999"
                               << "." << Kind::TooLarge << 0.0;
    QTest::newRow("too large, digits before a small exponent") << "1" + QString(400, '0') + "e-50"
                                                               << "." << Kind::TooLarge << 0.0;
    QTest::newRow("too small reads as zero") << "-1e-400"
                                             << "." << Kind::Number << -0.0;
    QTest::newRow("too small, digits after a large exponent") << "0." + QString(400, '0') + "1e50"
                                                              << "." << Kind::Number << 0.0;
    QTest::newRow("subnormal") << "4.9e-324"
                               << "." << Kind::Number << 4.9e-324;
    QTest::newRow("exponent beyond any count")
        << "1e-" + QString(30, '9') << "." << Kind::Number << 0.0;
    QTest::newRow("infinity") << "inf"
                              << "." << Kind::NotANumber << 0.0;
    QTest::newRow("hexadecimal") << "0x10"
                                 << "." << Kind::NotANumber << 0.0;
    QTest::newRow("blank inside") << "4 5"
                                  << "." << Kind::NotANumber << 0.0;
}

void TestNumberReader::parse() {
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(Kind, kind);
    QFETCH(double, value);
    const auto reading = tolvaric::readDecimal(text.toStdString(), separator.toStdString());
    QCOMPARE(reading.kind, kind);
    if (kind == Kind::Number) {
        QCOMPARE(reading.value, value);
    }
}

void TestNumberReader::typed_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Typed>("kind");
    QTest::addColumn<double>("value"); // exactly, for a Number

    // Expected values are the exact quotients rounded once (Python's fractions).
    const struct {
        const char* text;
        Quantity quantity;
        double value;
    } units[] = {
        {"4.030", Quantity::Length, 4.030},
        {"4.030in", Quantity::Length, 4.030},
        {"4.030 inch", Quantity::Length, 4.030},
        {"4.030\"", Quantity::Length, 4.030},
        {"101.6mm", Quantity::Length, 4.0},
        {"86.5 MM", Quantity::Length, 3.405511811023622},
        {"0.75mm", Quantity::Length, 0.02952755905511811},
        {"8.65cm", Quantity::Length, 3.405511811023622},
        {"1e2 mm", Quantity::Length, 3.937007874015748},
        {"64cc", Quantity::Volume, 64.0},
        {"64 ml", Quantity::Volume, 64.0},
        {"64cm3", Quantity::Volume, 64.0},
        {"64 cm\u00B3", Quantity::Volume, 64.0},
        {"4.5ci", Quantity::Volume, 73.741788},
        {"350  Cu  In", Quantity::Volume, 5735.4724},
        {"0.3in3", Quantity::Volume, 4.9161192},
        {"0.3 in\u00B3", Quantity::Volume, 4.9161192},
        {"-4.5ci", Quantity::Volume, -73.741788},
        {"106\u00B0", Quantity::Angle, 106.0},
        {"106.5 deg", Quantity::Angle, 106.5},
        {"10.5:1", Quantity::Ratio, 10.5},
        {"10.5 : 1", Quantity::Ratio, 10.5},
        {"150   ", Quantity::Plain, 150.0},
        {"1e308mm", Quantity::Length, 3.937007874015748e306}, // near the largest double
    };
    const struct {
        const char* name;
        QString point;
    } locales[] = {{"C", "."}, {"de_DE", ","}, {"ar_EG", "\u066B"}};
    for (const auto& locale : locales) {
        for (const auto& unit : units) {
            const QString text = QString::fromUtf8(unit.text).replace('.', locale.point);
            QTest::addRow("%s %s", locale.name, unit.text)
                << locale.name << unit.quantity << text << Typed::Number << unit.value;
        }
    }
    const struct {
        const char* text;
        Quantity quantity;
        Typed kind;
    } refused[] = {
        {"64cc", Quantity::Length, Typed::WrongUnit},
        {"86.5mm", Quantity::Volume, Typed::WrongUnit},
        {"10:1", Quantity::Length, Typed::WrongUnit},
        {"106deg", Quantity::Plain, Typed::WrongUnit},
        {"4 furlongs", Quantity::Length, Typed::NotANumber},
        {"mm", Quantity::Length, Typed::NotANumber},
        {"4 mm mm", Quantity::Length, Typed::NotANumber},
        {"4mm5", Quantity::Length, Typed::NotANumber},
        {"1e999mm", Quantity::Length, Typed::TooLarge},
        {"1e308 ci", Quantity::Volume, Typed::TooLarge},
        {"\u202E5.01", Quantity::Length, Typed::NotANumber}, // shown as "10.5"
        {"4\u20665\u2069", Quantity::Length, Typed::NotANumber},
    };
    for (const auto& entry : refused) {
        QTest::addRow("refused: %s", entry.text)
            << "C" << entry.quantity << QString::fromUtf8(entry.text) << entry.kind << 0.0;
    }
    QTest::newRow("refused: a hundred thousand characters")
        << "C" << Quantity::Length << QString(50000, '7') + QString(50000, QChar(0x0416))
        << Typed::NotANumber << 0.0;
    QTest::newRow("refused: mixed scripts")
        << "ar_EG" << Quantity::Length << "\u0664mm\u05D0" << Typed::NotANumber << 0.0;
}

void TestNumberReader::typed() {
    QFETCH(QString, locale);
    QFETCH(Quantity, quantity);
    QFETCH(QString, text);
    QFETCH(Typed, kind);
    QFETCH(double, value);
    const auto reading = tolvaric::readValue(text, QLocale(locale), quantity);
    QCOMPARE(reading.kind, kind);
    if (kind == Typed::Number) {
        QCOMPARE(reading.value, value); // to the last bit: QCOMPARE on doubles is fuzzy
        QVERIFY2(reading.value == value, qPrintable(QString::number(reading.value, 'g', 17)));
    }
}

void TestNumberReader::helpNamesEveryUnit_data() {
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<QString>("boxes"); // how the help's row starts
    QTest::newRow("lengths") << Quantity::Length << "Bore, Stroke";
    QTest::newRow("volumes") << Quantity::Volume << "Combustion Chamber, Dome";
    QTest::newRow("angles") << Quantity::Angle << "Intake Seat Duration";
    QTest::newRow("ratio") << Quantity::Ratio << "Compression Ratio";
}

// The help's table of units names every unit the reader takes.
void TestNumberReader::helpNamesEveryUnit() {
    QFETCH(Quantity, quantity);
    QFETCH(QString, boxes);
    QFile help(QFINDTESTDATA("../resources/tolvaric.hlp"));
    QVERIFY(help.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(help.readAll()).simplified();
    text.replace("&sup3;", "\u00B3").replace("&deg;", "\u00B0").replace("&quot;", "\"");
    const qsizetype row = text.indexOf("<tr><td>" + boxes);
    QVERIFY(row >= 0);
    const QString cells = text.mid(row, text.indexOf("</tr>", row) - row);
    const QStringList cell = cells.split("</td><td>");
    QVERIFY(cell.size() >= 2);
    for (const auto name : tolvaric::unitNames(quantity)) {
        const QString unit = QString::fromUtf8(name.data(), qsizetype(name.size()));
        QVERIFY2(cell[1].contains(unit), qPrintable(unit + " in " + cell[1]));
    }
}

QTEST_APPLESS_MAIN(TestNumberReader)
#include "tst_numberreader.moc"
