// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The engine sheet from the command line: the cylinders, altitude and boost
// it adds, the charts' points, and what it refuses.

#include "tests/SheetRun.h"
#include "text/BuildChoiceText.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <atomic>
#include <thread>

#ifndef Q_OS_WIN
#include <unistd.h>

#include <cstdio>
#endif

using namespace tolvaric;

class TestSheetCommand : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void choices_data();
    void choices();
    void chartPoints_data();
    void chartPoints();
    void commandLineFailures_data();
    void commandLineFailures();
    void documentedRanges_data();
    void documentedRanges();
    void aLinkSwappedAfterTheCheckNeverLeadsToAnEngine();

  private:
    ScratchFolder m_dir;
};

void TestSheetCommand::init() {
    QVERIFY(m_dir.enter());
    writeSheetFiles();
}

void TestSheetCommand::cleanup() {
    m_dir.leave();
}

void TestSheetCommand::choices_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("cell");
    // 47.124 cu in a cylinder, 772.22 cc.
    QTest::newRow("eight cylinders, cc")
        << QStringList{"--cylinders", "8"} << "Engine displacement, cc"
        << "6177.8";
    QTest::newRow("eight cylinders, cu in")
        << QStringList{"--cylinders", "8"} << "Engine displacement, cu in"
        << "376.99";
    QTest::newRow("eight cylinders, litres")
        << QStringList{"--cylinders", "8"} << "Engine displacement, litres"
        << "6.178";
    QTest::newRow("a count shows no separator") << QStringList{"--cylinders", "8"} << "Cylinders"
                                                << "8";
    // The standard atmosphere's pressures as the help's table gives them.
    QTest::newRow("6000 ft, station pressure")
        << QStringList{"--altitude", "6000ft"} << "Station pressure (standard atmosphere), inHg"
        << "23.98";
    QTest::newRow("10000 ft in metres")
        << QStringList{"--altitude", "3048 m"} << "Station pressure (standard atmosphere), inHg"
        << "20.58";
    // 113.15 psi at sea level x 23.98 / 29.92.
    QTest::newRow("6000 ft, the gauge")
        << QStringList{"--altitude", "6000ft"} << "Cranking cylinder pressure at altitude, psi"
        << "90.68";
    QTest::newRow("1830 m in feet") << QStringList{"--altitude", "1830m"} << "Altitude, ft"
                                    << "6004";
    // 9.146 x 22.7 / 14.7, and the dynamic 6.25 alike.
    QTest::newRow("8 psi, static")
        << QStringList{"--boost", "8psi"}
        << "Effective static compression ratio with 8 psi boost at sea level"
        << "14.12";
    QTest::newRow("8 psi, dynamic")
        << QStringList{"--boost", "8psi"}
        << "Effective dynamic compression ratio with 8 psi boost at sea level"
        << "9.65";
    // A gauge reads above the air around it: at 5280 ft that is 24.636 inHg,
    // 12.100 psi, so 9.146 x (12.100 + 10.2) / 14.7 and the dynamic 6.25 alike.
    QTest::newRow("10.2 psi at 5280 ft, static")
        << QStringList{"--altitude", "5280ft", "--boost", "10.2psi"}
        << "Effective static compression ratio with 10.2 psi boost at 5280 ft"
        << "13.87";
    QTest::newRow("10.2 psi at 5280 ft, dynamic")
        << QStringList{"--altitude", "5280ft", "--boost", "10.2psi"}
        << "Effective dynamic compression ratio with 10.2 psi boost at 5280 ft"
        << "9.48";
    QTest::newRow("psig as a gauge is marked") << QStringList{"--boost", "10psig"} << "Boost, psi"
                                               << "10.00";
    QTest::newRow("0.55 bar in psi") << QStringList{"--boost", "0.55bar"} << "Boost, psi"
                                     << "7.98";
}

void TestSheetCommand::choices() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, column);
    QFETCH(QString, cell);
    QByteArray out;
    QByteArray err;
    QCOMPARE(run(QStringList{"--sheet", "--format", "csv"} + arguments, out, err), 0);
    const auto records = parseCsv(QString::fromUtf8(out));
    QVERIFY2(records[0].contains(column), qPrintable(records[0].join('|')));
    QCOMPARE(records[1].value(records[0].indexOf(column)), cell);
}

void TestSheetCommand::chartPoints_data() {
    QTest::addColumn<QString>("xColumn");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("yColumn");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("own");
    QTest::addColumn<QByteArray>("target"); // the first engine's target ratio
    // Worked by hand: closing at 310 / 2 + 114 - 180 = 89 degrees ABDC, the
    // piston 2.16344 in down, 27.1866 cu in over 5.7850 cu in of clearance.
    const QString centerline = "Intake centerline, degrees after TDC";
    QTest::newRow("cam 8 degrees retarded, dynamic ratio") << centerline << "114.0"
                                                           << "Dynamic compression ratio"
                                                           << "5.70"
                                                           << "" << QByteArray("10");
    QTest::newRow("cam 8 degrees retarded, pressure") << centerline << "114.0"
                                                      << "Cranking cylinder pressure, psi"
                                                      << "98.67"
                                                      << "" << QByteArray("10");
    QTest::newRow("cam as installed, the window's pressure") << centerline << "106.0"
                                                             << "Cranking cylinder pressure, psi"
                                                             << "113.15"
                                                             << "yes" << QByteArray("10");
    // 94.80 cc of clearance at 0.036 in, less or more 207.99 cc an inch of gasket.
    const QString thickness = "Compressed gasket thickness, in";
    QTest::newRow("the thinnest gasket") << thickness << "0.0200"
                                         << "Static compression ratio"
                                         << "9.44"
                                         << "" << QByteArray("10");
    QTest::newRow("the thickest gasket") << thickness << "0.0800"
                                         << "Static compression ratio"
                                         << "8.43"
                                         << "" << QByteArray("10");
    // 110.32 cc for 8:1 is 0.0746 in more than 0.036: 0.1106 in, taken in by
    // steps to 0.115 in, where 111.23 cc gives 7.94.
    QTest::newRow("a target's gasket past the thickest step, taken in")
        << thickness << "0.1150"
        << "Static compression ratio"
        << "7.94"
        << "" << QByteArray("8");
    QTest::newRow("the engine's own gasket, between two steps") << thickness << "0.0360"
                                                                << "Static compression ratio"
                                                                << "9.15"
                                                                << "yes" << QByteArray("10");
}

// The charts' points, as the CSV gives them after the figures: a row each,
// from the model's own calculations; the HTML draws the same two charts.
void TestSheetCommand::chartPoints() {
    QFETCH(QString, xColumn);
    QFETCH(QString, x);
    QFETCH(QString, yColumn);
    QFETCH(QString, y);
    QFETCH(QString, own);
    QFETCH(QByteArray, target);
    writeBytes("tolvaric.dat", sampleFile().replace("\r\n10\r\n150", "\r\n" + target + "\r\n150"));
    QByteArray out;
    QByteArray err;
    QCOMPARE(run({"--sheet", "--format", "csv", "tolvaric.dat", "b.dat"}, out, err), 0);
    const auto points = parseCsv(QString::fromUtf8(out), 1);
    const auto header = points.value(0);
    // 17 cam steps; 13 gaskets (20 up to 0.115 in) and the engine's own.
    const int gaskets = target == "8" ? 21 : 14;
    QCOMPARE(points.size(), 1 + 2 * (17 + gaskets));
    QList<QStringList> found;
    for (const auto& row : points) {
        if (row.value(header.indexOf(xColumn)) == x && row.value(1) == "tolvaric.dat") {
            found << row;
        }
    }
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].value(header.indexOf(yColumn)), y);
    QCOMPARE(found[0].value(header.indexOf("The engine as it is")), own);
    out.clear();
    QCOMPARE(run({"--sheet", "--format", "html", "tolvaric.dat", "b.dat"}, out, err), 0);
    QCOMPARE(out.count("<svg "), 2);
    QCOMPARE(out.count("<polyline "), 2 * 3 + 2 * 2); // a line an engine a plot, and the legends
    // A boost adds a line an engine to both cam plots, and to the cam legend.
    out.clear();
    QCOMPARE(
        run({"--sheet", "--format", "html", "--boost", "8psi", "tolvaric.dat", "b.dat"}, out, err),
        0);
    QCOMPARE(out.count("<polyline "), 2 * 5 + 2 * 3);
    QVERIFY(out.contains("(boost): the engine with 8 psi boost at sea level"));
}

void TestSheetCommand::commandLineFailures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said");      // on standard error
    QTest::addColumn<bool>("sheetWritten"); // of the readable files
    QTest::newRow("an unknown option") << QStringList{"--sheet", "--bogus"} << "bogus" << false;
    QTest::newRow("an unknown format")
        << QStringList{"--sheet", "--format", "doc"} << "unknown format" << false;
    QTest::newRow("a missing file")
        << QStringList{"--sheet", "missing.dat", "b.dat"} << "missing.dat: " << true;
    QTest::newRow("a malformed file")
        << QStringList{"--sheet", "short.dat", "b.dat"} << "short.dat: the file ends after" << true;
    QTest::newRow("a folder") << QStringList{"--sheet", ".", "b.dat"} << "folder" << true;
    QTest::newRow("the output onto a data file")
        << QStringList{"--sheet", "-o", "b.dat", "b.dat"} << "would replace a data file" << false;
    QTest::newRow("the output onto another data file")
        << QStringList{"--sheet", "-o", "tolvaric.dat", "b.dat"} << "would replace a data file"
        << false;
    QTest::newRow("the output onto the owner file")
        << QStringList{"--sheet", "-o", "owner", "b.dat"} << "would replace a data file" << false;
    QTest::newRow("the output onto a data file by another name")
        << QStringList{"--sheet", "-o", "./sub/../b.dat", "b.dat"} << "would replace a data file"
        << false;
    // The files the program keeps are never a sheet, under any name.
    QTest::newRow("the output onto the working folder's owner, the engine elsewhere")
        << QStringList{"--sheet", "-o", "owner", "sub/e.dat"} << "would replace a data file"
        << false;
    QTest::newRow("the output onto a damaged tolvaric.dat")
        << QStringList{"--sheet", "-o", "sub/tolvaric.dat", "b.dat"} << "would replace a data file"
        << false;
    QTest::newRow("an empty output name")
        << QStringList{"--sheet", "-o", "", "b.dat"} << "takes a file name" << false;
    QTest::newRow("an owner file that cannot be read")
        << QStringList{"--sheet", "shut/e.dat"} << "owner could not be read: it is a folder"
        << true;
    QTest::newRow("a pasted page of an altitude, quoted short")
        << QStringList{"--sheet", "--altitude", QString(131000, '9')} << "99\u2026\" is out"
        << false;
#ifndef Q_OS_WIN
    QTest::newRow("the output onto a link to a data file")
        << QStringList{"--sheet", "-o", "link.dat", "b.dat"} << "would replace a data file"
        << false;
    QTest::newRow("the output through a dangling link to an owner")
        << QStringList{"--sheet", "-o", "to-owner.txt", "sub/e.dat"} << "would replace a data file"
        << false;
    QTest::newRow("the output through a dangling link to a tolvaric.dat")
        << QStringList{"--sheet", "-o", "to-data.txt", "sub/e.dat"} << "would replace a data file"
        << false;
#endif
    // The window's options and file names are refused, not ignored.
    QTest::newRow("an unknown option without --sheet")
        << QStringList{"--bogus"} << "bogus" << false;
    QTest::newRow("a file name without --sheet")
        << QStringList{"b.dat"} << "not understood" << false;
    QTest::newRow("a format without --sheet")
        << QStringList{"--format", "csv"} << "goes with --sheet" << false;
    QTest::newRow("an output without --sheet")
        << QStringList{"-o", "x.txt"} << "goes with --sheet" << false;
    QTest::newRow("--help-all") << QStringList{"--help-all"} << "help-all" << false;
    QTest::newRow("a value after --sheet") << QStringList{"--sheet=1"} << "sheet" << false;
    QTest::newRow("--metric with --sheet")
        << QStringList{"--sheet", "--metric"} << "for the window" << false;
    QTest::newRow("an altitude without its unit")
        << QStringList{"--sheet", "--altitude", "6000"} << "has no unit" << false;
    QTest::newRow("an altitude in a length's unit")
        << QStringList{"--sheet", "--altitude", "6000in"} << "does not fit" << false;
    QTest::newRow("an altitude too high")
        << QStringList{"--sheet", "--altitude", "20001ft"} << "out of range" << false;
    QTest::newRow("a boost below the atmosphere")
        << QStringList{"--sheet", "--boost", "-1psi"} << "out of range" << false;
    QTest::newRow("a boost of more than 60 psi")
        << QStringList{"--sheet", "--boost", "4.2bar"} << "out of range" << false;
    QTest::newRow("half a cylinder")
        << QStringList{"--sheet", "--cylinders", "7.5"} << "whole number" << false;
    QTest::newRow("65 cylinders") << QStringList{"--sheet", "--cylinders", "65"} << "out of range"
                                  << false;
    QTest::newRow("cylinders without --sheet")
        << QStringList{"--cylinders", "8"} << "goes with --sheet" << false;
    QTest::newRow("the help viewer with more")
        << QStringList{"--help-viewer", "x"} << "nothing else" << false;
    // After --, Qt's own option names are file names like any other.
    QTest::newRow("a file named like a Qt option")
        << QStringList{"--sheet", "--", "-platformpluginpath", "b.dat"}
        << "-platformpluginpath: " << true;
#ifndef Q_OS_WIN
    QTest::newRow("the output onto a device")
        << QStringList{"--sheet", "-o", "/dev/full"} << "not a regular file" << false;
#else
    // Windows reads names without regard to case, and has more to a name.
    QTest::newRow("the output onto OWNER, which is not there yet")
        << QStringList{"--sheet", "-o", "sub/OWNER", "b.dat"} << "would replace a data file"
        << false;
    QTest::newRow("the output into a file's stream")
        << QStringList{"--sheet", "-o", "x.txt:part"} << "without a stream" << false;
    QTest::newRow("the output onto a \\\\?\\ path")
        << QStringList{"--sheet", "-o", "\\\\?\\C:\\x.txt"} << "prefix" << false;
#endif
}

void TestSheetCommand::commandLineFailures() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    QFETCH(bool, sheetWritten);
    writeBytes("short.dat", "4\r\n3.75\r\n");
    QVERIFY(QDir().mkpath("sub") && QDir().mkpath("shut/owner") && QDir().mkpath("fresh"));
    writeBytes("sub/e.dat", sampleFile());
    writeBytes("shut/e.dat", sampleFile());
    writeBytes("sub/tolvaric.dat", "damaged");
#ifndef Q_OS_WIN
    QVERIFY(QFile::link("b.dat", "link.dat"));
    QVERIFY(QFile::link("sub/owner", "to-owner.txt"));
    QVERIFY(QFile::link("fresh/tolvaric.dat", "to-data.txt"));
#endif
    const auto kept = [] {
        return readBytes("b.dat") + readBytes("tolvaric.dat") + readBytes("owner") +
               readBytes("sub/tolvaric.dat") +
               QByteArray(QFile::exists("sub/owner") || QFile::exists("fresh/tolvaric.dat") ? "!"
                                                                                            : "");
    };
    const QByteArray before = kept();
    QByteArray out;
    QByteArray err;
    QCOMPARE(run(arguments, out, err), 2);
    QCOMPARE(err.count('\n'), 1); // one clear line
    QVERIFY2(err.size() < 400, "a refused value is quoted short");
    QVERIFY2(QString::fromUtf8(err).contains(said), err.constData());
    QCOMPARE(out.contains("Static compression ratio"), sheetWritten);
    // no data file is ever written
    QCOMPARE(kept(), before);
}

// The target of -o is a link that another program turns, as fast as it
// can, between a fresh file and a data file: the sheet goes where the name
// led when it was checked, or is refused, and the data file stays whole.
void TestSheetCommand::aLinkSwappedAfterTheCheckNeverLeadsToAnEngine() {
#ifdef Q_OS_WIN
    QSKIP("needs symbolic links that any user may make");
#else
    const QByteArray before = readBytes("b.dat");
    std::atomic<bool> done = false;
    std::thread swapper([&done] {
        while (!done) {
            // Each link made beside the target and renamed over it at once.
            ::symlink("b.dat", "next-engine");
            ::rename("next-engine", "out.txt");
            ::symlink("fresh.txt", "next-fresh");
            ::rename("next-fresh", "out.txt");
        }
    });
    int written = 0;
    for (int round = 0; round < 200 && readBytes("b.dat") == before; ++round) {
        QByteArray out;
        QByteArray err;
        written += run({"--sheet", "-o", "out.txt", "tolvaric.dat"}, out, err) == 0 ? 1 : 0;
    }
    done = true;
    swapper.join();
    QCOMPARE(readBytes("b.dat"), before);
    QVERIFY(written > 0); // the fresh file's turns were written
#endif
}

void TestSheetCommand::documentedRanges_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("option"); // as the document spells it
    QTest::addColumn<bool>("grouped");   // 20,000 rather than 20000
    QTest::addColumn<int>("choice");
    for (const auto& words : choiceWords) {
        const QString option = QLatin1String(words.option);
        const int choice = int(words.choice);
        QTest::addRow("README, --%s", words.option) << "README.md"
                                                    << "`--" + option << true << choice;
        QTest::addRow("help, --%s", words.option) << "resources/tolvaric.hlp"
                                                  << "<b>--" + option << true << choice;
        QTest::addRow("man page, --%s", words.option) << "packaging/tolvaric.1.in"
                                                      << ".BI \\-\\-" + option << false << choice;
        QTest::addRow("German man page, --%s", words.option)
            << "packaging/tolvaric.de.1.in"
            << ".BI \\-\\-" + option << false << choice;
    }
}

// The ranges the README, the help and the man pages state in their own prose
// are the ones the program takes.
void TestSheetCommand::documentedRanges() {
    QFETCH(QString, document);
    QFETCH(QString, option);
    QFETCH(bool, grouped);
    QFETCH(int, choice);
    QFile file(QFINDTESTDATA("../" + document));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype at = text.indexOf(option);
    QVERIFY2(at >= 0, qPrintable(option));
    // Its entry: up to the next item, paragraph or list entry.
    qsizetype end = text.size();
    for (const char* next : {"\n- ", "</li>", "\n.TP"}) {
        const qsizetype found = text.indexOf(QLatin1String(next), at);
        end = found >= 0 ? std::min(end, found) : end;
    }
    const QString said = text.mid(at, end - at).simplified();
    const QLocale english(QLocale::English);
    const auto& rule = choiceRules[std::size_t(choice)];
    for (const double value : {rule.lowest, rule.highest}) {
        QString shown = grouped ? english.toString(value, 'f', 0) : QString::number(value);
        if (!grouped && value < 0) {
            shown = "\\-" + shown.mid(1);
        }
        const QRegularExpression number("(^|[^0-9,.])" + QRegularExpression::escape(shown) +
                                        "($|[^0-9,])");
        QVERIFY2(value == 0 || said.contains(number), qPrintable(shown + " not in: " + said));
    }
}

QTEST_MAIN(TestSheetCommand)
#include "tst_sheetcommand.moc"
