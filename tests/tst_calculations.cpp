// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/CalculationCommand.h"
#include "model/Calculations.h"
#include "model/InverseTrig.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

using tolvaric::Picture;

using tolvaric::CalculationResult;
using tolvaric::EngineData;
using tolvaric::Outcome;

Q_DECLARE_METATYPE(Outcome)

namespace {

constexpr double unchecked = std::numeric_limits<double>::quiet_NaN();

// Applies "Field=value;Field=value" to a record; "zero" starts from a fresh one.
EngineData engineWith(const QString& changes) {
    EngineData engine = tolvaric::initialEngineData();
    for (const auto& change : changes.split(';', Qt::SkipEmptyParts)) {
        if (change == "zero") {
            engine = EngineData{};
            continue;
        }
        const auto parts = change.split('=');
        bool found = false;
        for (const auto& field : tolvaric::engineFields) {
            if (QLatin1String(field.name.data(), field.name.size()) == parts[0]) {
                engine.*field.member = parts[1].toDouble();
                found = true;
            }
        }
        if (!found) {
            qFatal("no field %s", qPrintable(parts[0]));
        }
    }
    return engine;
}

CalculationResult run(const QString& calculation, const EngineData& engine) {
    if (calculation == "ratio") {
        return tolvaric::compressionRatio(engine);
    }
    if (calculation == "volume") {
        return tolvaric::requiredChamberVolume(engine);
    }
    return tolvaric::cylinderPressure(engine);
}

} // namespace

class TestCalculations : public QObject {
    Q_OBJECT
  private slots:
    void inverseTrig_data();
    void inverseTrig();
    void outcomes_data();
    void outcomes();
    void closingAtBottomCentreGivesTheStaticRatio();
    void volumeThenRatioGivesTheWantedRatio();
    void gaugeVolumeLowersThePressure();
    void commandStoresOnlyASuccess_data();
    void commandStoresOnlyASuccess();
    void workedExampleInTheHelp();
};

void TestCalculations::inverseTrig_data() {
    QTest::addColumn<bool>("isAcos");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<double>("expected");

    const double pi = 3.141592653589793;
    QTest::newRow("acos -1 is pi") << true << -1.0 << true << pi;
    QTest::newRow("acos 0") << true << 0.0 << true << pi / 2;
    QTest::newRow("acos 0.5") << true << 0.5 << true << pi / 3;
    QTest::newRow("acos -0.5") << true << -0.5 << true << 2 * pi / 3;
    QTest::newRow("acos just below 1") << true << 0.9999999999 << true << std::acos(0.9999999999);
    QTest::newRow("acos 1 fails") << true << 1.0 << false << 0.0;
    QTest::newRow("acos 1.5 fails") << true << 1.5 << false << 0.0;
    QTest::newRow("acos -1.5 fails") << true << -1.5 << false << 0.0;
    QTest::newRow("asin -1") << false << -1.0 << true << -pi / 2;
    QTest::newRow("asin 0") << false << 0.0 << true << 0.0;
    QTest::newRow("asin 0.5") << false << 0.5 << true << pi / 6;
    QTest::newRow("asin 1 fails") << false << 1.0 << false << 0.0;
    QTest::newRow("asin -1.5 fails") << false << -1.5 << false << 0.0;
    QTest::newRow("asin 1.5 fails") << false << 1.5 << false << 0.0;
}

void TestCalculations::inverseTrig() {
    QFETCH(bool, isAcos);
    QFETCH(double, x);
    QFETCH(bool, defined);
    QFETCH(double, expected);
    const auto result = isAcos ? tolvaric::acos(x) : tolvaric::asin(x);
    QCOMPARE(result.has_value(), defined);
    if (defined) {
        QVERIFY2(std::fabs(*result - expected) <= 1e-15,
                 qPrintable(QString::number(*result, 'g', 17)));
    }
    if (isAcos && x == -1) {
        QCOMPARE(*result, 4 * std::atan(1.0)); // bit for bit: pi is never a literal
    }
}

void TestCalculations::outcomes_data() {
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<double>("expected");

    const auto ok = Outcome::Success;
    const auto clearance = Outcome::ClearanceWarning;
    const auto fails = Outcome::ComputationFailure;

    // Compression ratio.
    QTest::newRow("ratio: sample engine") << "ratio"
                                          << "" << ok << 9.146123918870197;
    QTest::newRow("ratio: fresh record") << "ratio"
                                         << "zero" << clearance << unchecked;
    QTest::newRow("ratio: bore 0 gives exactly 1") << "ratio"
                                                   << "Bore=0" << ok << 1.0;
    QTest::newRow("ratio: piston above the deck")
        << "ratio"
        << "Deck_Clearance=-0.02" << ok << 9.61392456510447;
    QTest::newRow("ratio: dome larger than the rest")
        << "ratio"
        << "Dome_Volume=200" << clearance << unchecked;
    QTest::newRow("ratio: clearance exactly zero")
        << "ratio"
        << "Top_Land_Allowance=0;Deck_Clearance=0;Gasket_Thickness=0;"
           "Combustion_Chamber_Volume=50;Dome_Volume=50"
        << clearance << unchecked;
    QTest::newRow("ratio: below 1") << "ratio"
                                    << "Stroke=-1" << ok << -1.1722997116987195;
    QTest::newRow("ratio: 100 or more") << "ratio"
                                        << "Stroke=100" << ok << 218.22997116987193;
    QTest::newRow("ratio: overflow") << "ratio"
                                     << "Bore=1e200" << fails << unchecked;
    QTest::newRow("ratio: overflow with a zero stroke")
        << "ratio"
        << "Bore=1e200;Stroke=0" << fails << unchecked;

    // Required chamber volume.
    QTest::newRow("volume: sample engine") << "volume"
                                           << "" << ok << 76.00619208076907;
    QTest::newRow("volume: fresh record") << "volume"
                                          << "zero" << ok << 0.0;
    QTest::newRow("volume: wanted ratio exactly 1")
        << "volume"
        << "Compression_Ratio=1" << Outcome::RatioWarning << unchecked;
    QTest::newRow("volume: ratio 1 after an overflow")
        << "volume"
        << "Compression_Ratio=1;Bore=1e200" << fails << unchecked;
    QTest::newRow("volume: just above 1") << "volume"
                                          << "Compression_Ratio=1.0001" << ok << 7722212.185172336;
    QTest::newRow("volume: below 1") << "volume"
                                     << "Compression_Ratio=0.5" << ok << -1554.2406706689137;
    QTest::newRow("volume: bore 0") << "volume"
                                    << "Bore=0" << ok << -7.479607785306791;
    QTest::newRow("volume: overflow") << "volume"
                                      << "Stroke=1e300;Bore=1e10" << fails << unchecked;

    // Cylinder pressure.
    QTest::newRow("pressure: sample engine") << "pressure"
                                             << "" << ok << 113.15258865374494;
    QTest::newRow("pressure: fresh record") << "pressure"
                                            << "zero" << clearance << unchecked;
    QTest::newRow("pressure: closing before bottom centre")
        << "pressure"
        << "Intake_Seat_Duration=200;Intake_Centerline=60" << ok << 189.5498483464575;
    QTest::newRow("pressure: stroke 0") << "pressure"
                                        << "Stroke=0" << ok << -2.8999999999999986;
    QTest::newRow("pressure: bore 0 with gasket and chamber")
        << "pressure"
        << "Bore=0" << ok << -2.8999999999999986;
    QTest::newRow("pressure: 1000 or more")
        << "pressure"
        << "Combustion_Chamber_Volume=1;Deck_Clearance=0;Gasket_Thickness=0.001" << ok
        << 11641.973868148067;
    QTest::newRow("pressure: rod length 0") << "pressure"
                                            << "Rod_Length=0" << fails << unchecked;
    QTest::newRow("pressure: rod too short for the crank") << "pressure"
                                                           << "Rod_Length=1" << fails << unchecked;
    QTest::newRow("pressure: sine ratio exactly 1")
        << "pressure"
        << "Intake_Centerline=115;Rod_Length=1.875" << fails << unchecked;
    QTest::newRow("pressure: sine ratio exactly -1")
        << "pressure"
        << "Intake_Centerline=-65;Rod_Length=1.875" << ok << 194.94775344494596;
    const QString simpleClearance =
        "Top_Land_Allowance=0;Deck_Clearance=0;Gasket_Thickness=0;Combustion_Chamber_Volume=50;";
    QTest::newRow("pressure: gauge makes the denominator zero")
        << "pressure" << simpleClearance + "Gage_Correction=-50" << fails << unchecked;
    QTest::newRow("pressure: denominator zero with no swept volume")
        << "pressure" << simpleClearance + "Gage_Correction=-50;Stroke=0" << fails << unchecked;
    QTest::newRow("pressure: negative dynamic ratio")
        << "pressure" << simpleClearance + "Gage_Correction=-60" << fails << unchecked;
    QTest::newRow("pressure: dynamic ratio exactly 0")
        << "pressure" << simpleClearance + "Gage_Correction=-547.8730334544566" << ok << -14.7;
    QTest::newRow("pressure: clearance warning before a zero rod")
        << "pressure"
        << "zero;Rod_Length=0" << clearance << unchecked;
    QTest::newRow("pressure: overflow") << "pressure"
                                        << "Bore=1e200" << fails << unchecked;
}

void TestCalculations::outcomes() {
    QFETCH(QString, calculation);
    QFETCH(QString, changes);
    QFETCH(Outcome, outcome);
    QFETCH(double, expected);

    const auto result = run(calculation, engineWith(changes));
    QCOMPARE(result.outcome, outcome);
    // The worked examples agree to the last bit; other rows within 1e-12.
    const bool workedExample = QByteArray(QTest::currentDataTag()).endsWith("sample engine");
    if (!std::isnan(expected)) {
        QVERIFY2(workedExample ? result.value == expected
                               : std::fabs(result.value - expected) <=
                                     1e-12 * std::max(1.0, std::fabs(expected)),
                 qPrintable(QString::number(result.value, 'g', 17)));
    }
}

// With the valve closing at bottom dead centre the whole stroke compresses,
// so the dynamic ratio is the static one.
void TestCalculations::closingAtBottomCentreGivesTheStaticRatio() {
    const auto engine = engineWith("Intake_Centerline=25");
    const auto ratio = tolvaric::compressionRatio(engine);
    const auto pressure = tolvaric::cylinderPressure(engine);
    QVERIFY(ratio.succeeded() && pressure.succeeded());
    QVERIFY(std::fabs(pressure.value - (std::pow(ratio.value, 1.3) * 11.8 - 14.7)) < 1e-9);
}

void TestCalculations::volumeThenRatioGivesTheWantedRatio() {
    for (const double wanted : {8.5, 10.0, 12.75, 15.0}) {
        auto engine = tolvaric::initialEngineData();
        engine.Compression_Ratio = wanted;
        const auto volume = tolvaric::requiredChamberVolume(engine);
        QVERIFY(volume.succeeded());
        engine.Combustion_Chamber_Volume = volume.value;
        const auto ratio = tolvaric::compressionRatio(engine);
        QVERIFY(ratio.succeeded());
        QVERIFY(std::fabs(ratio.value - wanted) < 1e-12 * wanted);
    }
}

void TestCalculations::gaugeVolumeLowersThePressure() {
    const double plain = tolvaric::cylinderPressure(engineWith("")).value;
    QVERIFY(tolvaric::cylinderPressure(engineWith("Gage_Correction=5")).value < plain);
    QVERIFY(tolvaric::cylinderPressure(engineWith("Gage_Correction=-5")).value > plain);
}

QTEST_APPLESS_MAIN(TestCalculations)
void TestCalculations::commandStoresOnlyASuccess_data() {
    QTest::addColumn<int>("command"); // 0 ratio, 1 volume, 2 pressure
    QTest::addColumn<double>("bore");
    QTest::addColumn<bool>("stored");
    for (int command = 0; command < 3; ++command) {
        QTest::addRow("%d, a sound engine", command) << command << 4.0 << true;
        QTest::addRow("%d, an overflow", command) << command << 1e200 << false;
    }
}

void TestCalculations::commandStoresOnlyASuccess() {
    QFETCH(int, command);
    QFETCH(double, bore);
    QFETCH(bool, stored);
    const tolvaric::CalculationCommand commands[] = {
        tolvaric::ratioCommand, tolvaric::volumeCommand, tolvaric::pressureCommand};
    auto engine = tolvaric::initialEngineData();
    engine.Bore = bore;
    const auto before = engine;
    const auto result = tolvaric::runCalculation(commands[command], engine);
    QCOMPARE(result.succeeded(), stored);
    auto expected = before;
    if (stored) {
        expected.*commands[command].result = result.value;
    }
    QCOMPARE(engine, expected);
}

// The help document's worked example, followed step by step on one record
// as the window keeps it (each result goes into the record), shows exactly
// what the calculations give, in the order the help gives its steps.
void TestCalculations::workedExampleInTheHelp() {
    QFile file(QFINDTESTDATA("../resources/tolvaric.hlp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    auto engine = tolvaric::initialEngineData();
    QCOMPARE(engine.Compression_Ratio, 10.0);
    struct Step {
        const tolvaric::CalculationCommand& command;
        Picture picture;
    };
    qsizetype previous = -1;
    for (const auto& step : {Step{tolvaric::ratioCommand, Picture::TwoDecimals},
                             Step{tolvaric::pressureCommand, Picture::TwoDecimalsWide},
                             Step{tolvaric::volumeCommand, Picture::TwoDecimalsWide},
                             Step{tolvaric::pressureCommand, Picture::TwoDecimalsWide}}) {
        if (&step.command == &tolvaric::volumeCommand) {
            engine.Compression_Ratio = 10; // "Type 10 into Compression Ratio"
        }
        const auto result = tolvaric::runCalculation(step.command, engine);
        QVERIFY(result.succeeded());
        const auto shown =
            QString::fromStdString(tolvaric::formatPicture(result.value, step.picture));
        const qsizetype at = help.indexOf("<b>" + shown + "</b>", previous + 1);
        QVERIFY2(at > previous, qPrintable(shown + " is not the help's next figure"));
        previous = at;
    }
}

#include "tst_calculations.moc"
