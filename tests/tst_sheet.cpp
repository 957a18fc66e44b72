// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The engine sheet: its figures against independent ones and the shape of
// each format.

#include "model/Calculations.h"
#include "model/DisplayPicture.h"
#include "model/SheetFigures.h"
#include "sheet/ChartStyle.h"
#include "sheet/Sheet.h"
#include "sheet/SheetCommand.h"
#include "sheet/SheetRows.h"
#include "tests/SheetRun.h"
#include "tests/TestFiles.h"
#include "ui/SheetOutput.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include <array>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

using namespace tolvaric;

namespace {

QString shown(double value, Picture picture) {
    return QString::fromStdString(formatPicture(value, picture));
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void figures_data();
    void figures();
    void formats();
    void missingValues_data();
    void missingValues();
    void textRows_data();
    void textRows();
    void csvCells_data();
    void csvCells();
    void pageNames_data();
    void pageNames();

  private:
    ScratchFolder m_dir;
};

void TestSheet::init() {
    QVERIFY(m_dir.enter());
    writeSheetFiles();
}

void TestSheet::cleanup() {
    m_dir.leave();
}

void TestSheet::figures_data() {
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<double>("swept"); // cubic inches
    QTest::addColumn<QString>("source");

    // The engine the window starts with, as the help's worked example shows it.
    QTest::newRow("the window's engine")
        << QList<double>{4, 3.75, 0.005, 4.02, 0.036, 0.25, 0.05, 85, 0, 0, 0, 7, 310, 106, 10, 150}
        << "9.15" << 47.124 << "help document, A worked example";
    QFile published(QFINDTESTDATA("data/published-engines.txt"));
    QVERIFY(published.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!published.atEnd()) {
        const QString line = QString::fromUtf8(published.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QStringList item = line.split('|');
        QList<double> values;
        for (const auto& value : item[1].split(',')) {
            values << value.toDouble();
        }
        QTest::addRow("%s", qPrintable(item[0]))
            << values << item[2] << item[3].toDouble() << item[4];
    }
}

void TestSheet::figures() {
    QFETCH(QList<double>, values);
    QFETCH(QString, ratio);
    QFETCH(double, swept);
    QFETCH(QString, source);
    EngineData engine;
    for (std::size_t i = 0; i < fieldCount; ++i) {
        engine.*engineFields[i].member = values.value(qsizetype(i));
    }
    const auto f = sheetFigures(engine);
    // The window's own results, to the last bit.
    QCOMPARE(f.compressionRatio.value, compressionRatio(engine).value);
    QCOMPARE(f.requiredChamberCc.value, requiredChamberVolume(engine).value);
    QCOMPARE(f.crankingPressure.value, cylinderPressure(engine).value);
    // Against the published figures, as published.
    QVERIFY2(shown(f.compressionRatio.value, Picture::TwoDecimals) == ratio, qPrintable(source));
    QVERIFY2(std::abs(f.sweptCubicInches.value - swept) < 0.0005, qPrintable(source));
    // Each part alone gives back the record's ratio.
    auto withDome = engine;
    withDome.Dome_Volume = f.domeForRatio.value;
    auto withGasket = engine;
    withGasket.Gasket_Thickness = f.gasketForRatio.value;
    auto withDeck = engine;
    withDeck.Deck_Clearance = f.deckForRatio.value;
    for (const auto& changed : {withDome, withGasket, withDeck}) {
        QVERIFY(std::abs(compressionRatio(changed).value - engine.Compression_Ratio) < 1e-9);
    }
}

void TestSheet::formats() {
    QByteArray out;
    QByteArray err;
    // Text: the window's three results, in aligned columns, and the cam
    // table's pressure to the same decimals.
    QCOMPARE(run({"--sheet"}, out, err), 0);
    const QString text = QString::fromUtf8(out);
    for (const char* result : {" 9.15\n", " 76.01\n", " 113.15\n", "Q.L.N. Racing", "6.25 / 113.15",
                               "Gasket 0.0360 in (0.914 mm), the engine as it is"}) {
        QVERIFY2(text.contains(result), result);
    }
    // A name's control characters show on a terminal and do nothing there.
    writeBytes("owner", "\"\x1b[31mRed\"\r\n");
    out.clear();
    QCOMPARE(run({"--sheet"}, out, err), 0);
    QVERIFY(out.contains("\\e[31mRed") && !out.contains('\x1b'));
#ifdef Q_OS_LINUX
    // A name that is no UTF-8 is read by its own bytes, the owner beside it
    // too (it was reported missing), and is no target for -o; a new file of
    // such a name is written under its bytes. Nothing is held open after.
    const QByteArray raw = QFile::encodeName(m_dir.path()) + "/\xff\xfe.dat";
    std::FILE* file = std::fopen(raw.constData(), "wb");
    QVERIFY(file);
    std::fwrite(sampleFile().constData(), 1, std::size_t(sampleFile().size()), file);
    std::fclose(file);
    const QByteArray fresh = QFile::encodeName(m_dir.path()) + "/\xff.txt";
    const auto removeRaw = qScopeGuard([&raw, &fresh] {
        std::remove(raw.constData()); // Qt cannot
        std::remove(fresh.constData());
    });
    const auto descriptors = [] { return QDir("/proc/self/fd").count(); };
    const auto held = descriptors();
    for (const QByteArray& target : {QByteArray(), raw, fresh}) {
        QByteArray argument = raw;
        QByteArray output = target;
        char program[] = "tolvaric";
        char sheet[] = "--sheet";
        char to[] = "-o";
        std::array<char*, 5> argv{program, sheet, argument.data(), to, output.data()};
        const auto line = parseCommandLine(argumentList(target.isEmpty() ? 3 : 5, argv.data()));
        QBuffer written;
        QBuffer said;
        written.open(QIODevice::WriteOnly);
        said.open(QIODevice::WriteOnly);
        QCOMPARE(runSheetCommand(line.sheet, {written}, said), target == raw ? 2 : 0);
        QVERIFY2(!target.isEmpty() || written.data().contains("31mRed"), said.data().constData());
    }
    QVERIFY2(::access(fresh.constData(), F_OK) == 0, "written under the bytes given");
    QCOMPARE(descriptors(), held);
    // A file named by a descriptor is the file it leads to, measured in its
    // own folder (the descriptors' folder has no room at all).
    QFile opened("by-descriptor.txt");
    QVERIFY(opened.open(QIODevice::WriteOnly));
    out.clear();
    QCOMPARE(run({"--sheet", "-o", QString("/proc/self/fd/%1").arg(opened.handle())}, out, err), 0);
    QVERIFY(readBytes("by-descriptor.txt").contains("Static compression ratio"));
#endif
    // Standard output closed by whoever started the program: said, exit 2.
    QBuffer closedOutput;
    QBuffer errors;
    errors.open(QIODevice::WriteOnly);
    const auto sheet = parseCommandLine({"tolvaric", "--sheet"}).sheet;
    QCOMPARE(runSheetCommand(sheet, {closedOutput, false, true}, errors), 2);
    QVERIFY(errors.data().contains("standard output is closed"));
    // CSV: a header row and one row per engine, every row as wide.
    out.clear();
    QCOMPARE(run({"--sheet", "--format", "csv", "tolvaric.dat", "b.dat"}, out, err), 0);
    const auto records = parseCsv(QString::fromUtf8(out));
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[1].size(), records[0].size());
    QCOMPARE(records[2].size(), records[0].size());
    QCOMPARE(records[1][records[0].indexOf("Static compression ratio")], "9.15");
    QVERIFY(!out.contains('\x1b')); // the owner's escape, shown as on the terminal
    // HTML: one well-formed page, whatever characters a name holds.
    const QString odd = QStringLiteral("b") + QChar(0xFFFE) + QStringLiteral(".dat");
    QVERIFY(QFile::copy("b.dat", odd));
    out.clear();
    QCOMPARE(run({"--sheet", "--format", "html", "tolvaric.dat", odd}, out, err), 0);
    QXmlStreamReader xml(out);
    // The second engine's markers, large and small, are squares alike.
    QList<qsizetype> corners;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto attributes = xml.attributes();
        if (xml.isStartElement() && attributes.value("stroke") == seriesColour(1)) {
            const auto outline = attributes.value(xml.name() == u"path" ? "d" : "points");
            corners << (xml.name() == u"polygon" ? outline.count(' ') + 1
                        : xml.name() == u"path"  ? outline.count('l') / outline.count('M') + 1
                                                 : 0);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    corners.removeAll(0); // its line
    QVERIFY(corners.size() >= 4 && corners.count(4) == corners.size());
    // Only names are cut short on a page; the sheet's own words stay whole.
    QVERIFY(out.contains(">not reachable with the gasket alone<"));
    // A comma locale's charts share the separator of the figures beside them.
    const QString comma =
        sheetHtml({{"tolvaric.dat", "Q", initialEngineData()}}, todaysHeader(), {","});
    QVERIFY(comma.contains("target 10,00") && !comma.contains("target 10.00"));
}

void TestSheet::missingValues_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("cell");
    QTest::newRow("a gasket bore of 0")
        << 3 << QByteArray("0") << "Gasket thickness for the target ratio, in"
        << "Gasket Bore is 0";
    QTest::newRow("a stroke of 0") << 1 << QByteArray("0") << "Rod-to-stroke ratio"
                                   << "Stroke is 0";
    // Intake closing is the cam's alone: 310 / 2 + 106 - 180, whatever the clearance.
    QTest::newRow("no clearance, intake closing still shown")
        << 8 << QByteArray("500") << "Intake closing, degrees after BDC"
        << "81.0";
}

// A figure that cannot be worked out says which value it lacks, in its own
// column of the sheet, and one that needs no such value is shown (the
// record's fields: 1 is Stroke, 3 Gasket Bore, 8 Dome Volume).
void TestSheet::missingValues() {
    QFETCH(int, field);
    QFETCH(QByteArray, value);
    QFETCH(QString, column);
    QFETCH(QString, cell);
    QList<QByteArray> lines = sampleFile().split('\n');
    lines[field] = value + "\r";
    writeBytes("zero.dat", lines.join('\n'));
    QByteArray out;
    QByteArray err;
    QCOMPARE(run({"--sheet", "--format", "csv", "tolvaric.dat", "zero.dat"}, out, err), 0);
    const auto records = parseCsv(QString::fromUtf8(out));
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[2].value(records[0].indexOf(column)), cell);
    QVERIFY(value != "0" || records[1].value(records[0].indexOf(column)) != cell);
}

// Rows of the text sheet against figures worked by hand for the sample
// engine (4 x 3.75 in, rod 7, clearance 94.80 cc, 310 degrees at 106).
void TestSheet::textRows_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    // Advanced 8 degrees the intake closes at 73 ABDC: the piston 2.6567 in
    // from the top, 547.1 cc above it, 6.77:1, 6.77^1.3 x 11.8 - 14.7 psi.
    QTest::newRow("the cam advanced") << QStringList() << "Intake centerline advanced 8\u00B0"
                                      << "6.77 / 127.12";
    QTest::newRow("the cam retarded") << QStringList() << "Intake centerline retarded 8\u00B0"
                                      << "5.70 / 98.67";
    // Each 0.005 in of gasket is 1.04 cc over the 4.02 in gasket bore.
    QTest::newRow("the thinnest gasket") << QStringList() << "Gasket 0.020 in (0.51 mm)"
                                         << "9.44";
    QTest::newRow("the thickest gasket") << QStringList() << "Gasket 0.080 in (2.03 mm)"
                                         << "8.43";
    // 113.15 psi x 6.894757 kPa.
    QTest::newRow("the pressure in kPa") << QStringList() << "Cranking cylinder pressure, kPa"
                                         << "780.2";
    // 55 kPa / 6.894757 is 7.977 psi: 9.146 x 22.677 / 14.7.
    QTest::newRow("boost in kPa") << QStringList{"--boost", "55kPa"}
                                  << "Effective static compression ratio with 7.98 psi boost"
                                  << "14.11";
    // The edges each option accepts.
    QTest::newRow("one cylinder") << QStringList{"--cylinders", "1"} << "Engine displacement, cc"
                                  << "772.2";
    QTest::newRow("64 cylinders") << QStringList{"--cylinders", "64"} << "Engine displacement, cc"
                                  << "49422.2";
    QTest::newRow("1500 ft below the sea")
        << QStringList{"--altitude", "-1500ft"} << "Station pressure (standard atmosphere), inHg"
        << "31.58";
    QTest::newRow("20000 ft") << QStringList{"--altitude", "20000ft"}
                              << "Station pressure (standard atmosphere), inHg"
                              << "13.75";
    QTest::newRow("no boost") << QStringList{"--boost", "0psi"}
                              << "Effective static compression ratio with 0 psi boost"
                              << "9.15";
    QTest::newRow("60 psi") << QStringList{"--boost", "60psi"}
                            << "Effective static compression ratio with 60 psi boost"
                            << "46.48";
}

void TestSheet::textRows() {
    QFETCH(QStringList, options);
    QFETCH(QString, label);
    QFETCH(QString, value);
    QByteArray out;
    QByteArray err;
    QCOMPARE(run(QStringList{"--sheet"} + options, out, err), 0);
    const QStringList lines = QString::fromUtf8(out).split('\n');
    const auto row = std::find_if(lines.begin(), lines.end(),
                                  [&label](const QString& line) { return line.startsWith(label); });
    QVERIFY2(row != lines.end(), qPrintable(QString::fromUtf8(out)));
    QCOMPARE(row->split("  ", Qt::SkipEmptyParts).last().trimmed(), value);
}

void TestSheet::csvCells_data() {
    QTest::addColumn<QByteArray>("owner"); // the owner file's name
    QTest::addColumn<QByteArray>("ratio"); // the data file's target ratio
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("cell");
    const QByteArray plain = "Q.L.N. Racing";
    // Rounded as the window's boxes round, never as the binary double falls.
    QTest::newRow("halfway 10.145 as the window: 10.15")
        << plain << QByteArray("10.145") << "Target compression ratio"
        << "10.15";
    QTest::newRow("9.995 as the window: 10.00")
        << plain << QByteArray("9.995") << "Target compression ratio"
        << "10.00";
    QTest::newRow("2.675 as the window: 2.68")
        << plain << QByteArray("2.675") << "Target compression ratio"
        << "2.68";
    // A name a spreadsheet would run as a formula stays text.
    QTest::newRow("owner starting with =")
        << QByteArray("=WEBSERVICE(1)") << QByteArray("10") << "Owner"
        << "'=WEBSERVICE(1)";
    QTest::newRow("owner starting with +")
        << QByteArray("+cmd|' /C calc'!A0") << QByteArray("10") << "Owner"
        << "'+cmd|' /C calc'!A0";
    QTest::newRow("owner starting with @") << QByteArray("@SUM(1)") << QByteArray("10") << "Owner"
                                           << "'@SUM(1)";
    QTest::newRow("owner starting with -") << QByteArray("-2+3") << QByteArray("10") << "Owner"
                                           << "'-2+3";
    QTest::newRow("a negative figure stays a number")
        << plain << QByteArray("10") << "Deck clearance for the target ratio, in"
        << "-0.0387";
    // No gasket is thinner than nothing.
    QTest::newRow("a gasket out of reach")
        << plain << QByteArray("10") << "Gasket thickness for the target ratio, in"
        << "not reachable with the gasket alone";
    QTest::newRow("a gasket within reach")
        << plain << QByteArray("9") << "Gasket thickness for the target ratio, in"
        << "0.0443"; // 96.53 cc needed, 207.99 cc an inch of gasket
}

void TestSheet::csvCells() {
    QFETCH(QByteArray, owner);
    QFETCH(QByteArray, ratio);
    QFETCH(QString, column);
    QFETCH(QString, cell);
    writeBytes("owner", "\"" + owner + "\"\r\n");
    writeBytes("tolvaric.dat", sampleFile().replace("\r\n10\r\n150", "\r\n" + ratio + "\r\n150"));
    QByteArray out;
    QByteArray err;
    QCOMPARE(run({"--sheet", "--format", "csv", "tolvaric.dat", "b.dat"}, out, err), 0);
    const auto records = parseCsv(QString::fromUtf8(out));
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[1].value(records[0].indexOf(column)), cell);
    // Every label says what it is without its section: none twice, whatever
    // the case, and one cranking pressure.
    QSet<QString> labels;
    for (const auto& label : records[0]) {
        QVERIFY2(!labels.contains(label.toLower()), qPrintable(label));
        labels.insert(label.toLower());
    }
    QCOMPARE(records[0].filter("pressure, psi", Qt::CaseInsensitive).size(), 1);
}

void TestSheet::pageNames_data() {
    QTest::addColumn<QString>("name");          // the second engine's data file
    QTest::addColumn<QByteArray>("centerline"); // its intake centerline
    QTest::addColumn<int>("engines");           // how many times it is named
    QTest::addColumn<QString>("said");          // in the HTML sheet's legend
    QTest::newRow("a centerline no cam has, left off, the others drawn")
        << "far.dat" << QByteArray("1E300") << 1 << "left off: an intake centerline outside";
    QTest::newRow("a right-to-left name, set apart")
        << QString(QChar(0x202E)) + "tad.b" << QByteArray("106") << 1
        << QString(QChar(0x2068)) + QChar(0x202E) + "tad.b" + QChar(0x2069);
    QTest::newRow("a long path, its folders shortened, its file whole")
        << "a-long-customers-folder/Silverado LM7/smith_lm7_vortech.dat" << QByteArray("106") << 1
        << QString(QChar(0x2026)) +
               QDir::toNativeSeparators("/Silverado LM7/smith_lm7_vortech.dat");
    QTest::newRow("past sixty engines the styles repeat, said")
        << "b.dat" << QByteArray("106") << 60 << "after 60 engines the lines' styles repeat";
}

// How the pages name an engine, and what the charts' legend says besides.
void TestSheet::pageNames() {
    QFETCH(QString, name);
    QFETCH(QByteArray, centerline);
    QFETCH(int, engines);
    QFETCH(QString, said);
    QVERIFY(QDir().mkpath(QFileInfo(name).path()));
    writeBytes(name, sampleFile().replace("\r\n106\r\n", "\r\n" + centerline + "\r\n"));
    QByteArray out;
    QByteArray err;
    QStringList arguments{"--sheet", "--format", "html", "tolvaric.dat"};
    for (int i = 0; i < engines; ++i) {
        arguments << name;
    }
    QCOMPARE(run(arguments, out, err), 0);
    QVERIFY2(QString::fromUtf8(out).contains(said), err.constData());
    // The first engine's lines keep their height: a plot's y axis is not
    // stretched to a point by another engine.
    QVERIFY(out.count("<polyline ") >= 2 * 3);
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
