// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/DataFiles.h"
#include "storage/EngineText.h"
#include "storage/OwnerText.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <thread>

#include <QElapsedTimer>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <cstdio>

using tolvaric::EngineData;
using tolvaric::FileStatus;
using tolvaric::Read_Engine_File;
using tolvaric::Read_Owner_File;
using tolvaric::Write_Engine_File;
using tolvaric::Write_Owner_File;

namespace {

EngineData sampleEngine() {
    EngineData e = tolvaric::initialEngineData();
    e.Dome_Volume = e.Valve_Relief_Volume = e.Gage_Correction = 0;
    e.Cylinder_Pressure = 150;
    return e;
}

// A record no file in these tests holds, to see that failed reads leave it be.
EngineData sentinel() {
    EngineData e;
    for (const auto& field : tolvaric::engineFields) {
        e.*field.member = -12345.5;
    }
    return e;
}

EngineData engineOf(const QList<double>& values) {
    EngineData e;
    for (std::size_t i = 0; i < tolvaric::fieldCount; ++i) {
        e.*tolvaric::engineFields[i].member = values.value(qsizetype(i));
    }
    return e;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT
  private slots:
    void writesTheSampleExactly();
    void everyDoubleReadsBackBitForBit();
    void read_data();
    void read();
    void readsOnlyAsFarAsNeeded_data();
    void readsOnlyAsFarAsNeeded();
    void ownerRoundTrip_data();
    void ownerRoundTrip();
    void ownerRead_data();
    void ownerRead();
    void windows1252EveryByte();
    void aFileSwappedForAPipeNeverHoldsTheReader();

  private:
    QTemporaryDir m_dir;
};

void TestDataFiles::writesTheSampleExactly() {
    const auto path = m_dir.filePath("sample.dat");
    QVERIFY(Write_Engine_File(path, sampleEngine()).ok());
    QCOMPARE(readBytes(path), sampleFile());

    EngineData back;
    QVERIFY(Read_Engine_File(path, back).ok());
    QCOMPARE(back, sampleEngine());
}

void TestDataFiles::everyDoubleReadsBackBitForBit() {
    std::mt19937_64 random(7);
    QList<double> values = {0.0,
                            -0.0,
                            5e-324,
                            -5e-324,
                            DBL_MIN,
                            DBL_MAX,
                            -DBL_MAX,
                            1e308,
                            -1e308,
                            1e200,
                            0.005,
                            0.1,
                            1.0 / 3,
                            4.02,
                            2.2250738585072009e-308,
                            123456789012345678.0};
    while (values.size() < 16 * 20000) {
        double value;
        const auto bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            values.append(value);
        }
    }
    for (qsizetype start = 0; start + 16 <= values.size(); start += 16) {
        const auto engine = engineOf(values.mid(start, 16));
        const auto text = tolvaric::engineFileText(engine);
        QVERIFY(text.find_first_not_of("0123456789-.E+\r\n") == std::string::npos);
        EngineData back;
        QVERIFY2(tolvaric::parseEngineText(text, back).ok(), text.c_str());
        for (const auto& field : tolvaric::engineFields) {
            // Zero of either sign is written "0".
            const double written = engine.*field.member == 0 ? 0.0 : engine.*field.member;
            QVERIFY2(sameBits(back.*field.member, written), text.c_str());
        }
    }
    QCOMPARE(tolvaric::engineFileText(engineOf({1e200})).substr(0, 8), std::string("1E+200\r\n"));
    QCOMPARE(tolvaric::engineFileText(engineOf({-0.0})).substr(0, 3), std::string("0\r\n"));
}

void TestDataFiles::read_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("expected"); // the values, or a part of the reason

    const QString sample = "4,3.75,0.005,4.02,0.036,0.25,0.05,85,0,0,0,7,310,106,10,150";
    QTest::newRow("one per line, CR LF") << sampleFile() << true << sample;
    QTest::newRow("one line, commas") << sample.toLatin1() << true << sample;
    QTest::newRow("lone LF") << QByteArray(sampleFile()).replace("\r\n", "\n") << true << sample;
    QTest::newRow("lone CR") << QByteArray(sampleFile()).replace("\r\n", "\r") << true << sample;
    QTest::newRow("blanks, no last line end")
        << QByteArray("  4 ,\t3.75\r\n0.005, 4.02 ,.036,.25,.05,85,0,0,0,7,310,106,10,150") << true
        << sample;
    QTest::newRow("a blank line is an empty item")
        << QByteArray(sampleFile()).replace("3.75\r\n", "\r\n \t\r\n3.75\r\n") << false
        << "item 2 is empty";
    QTest::newRow("LF CR is two line ends")
        << QByteArray(sampleFile()).replace("3.75\r\n", "3.75\n\r") << false << "item 3 is empty";
    QTest::newRow("values past 64 KiB of blanks")
        << QByteArray(sampleFile()).replace("4\r\n", QByteArray(70000, ' ') + "4\r\n") << true
        << sample;
    QTest::newRow("five thousand leading zeros and trailing fraction zeros")
        << QByteArray(sampleFile())
               .replace("3.75\r\n", QByteArray(5000, '0') + "3.75" + QByteArray(5000, '0') + "\r\n")
        << true << sample;
    QTest::newRow("fraction zeros before the digits")
        << QByteArray(sampleFile())
               .replace("0.005\r\n", "0." + QByteArray(2000, '0') + "5E1998\r\n")
        << true << sample;
    QTest::newRow("signs and exponents")
        << QByteArray("+4,3.75E0,5e-3,4.02,36E-3,0.25,0.05,8.5e+1,-0,0,0,7,310,106,10,150") << true
        << sample;
    QTest::newRow("seventeen values") << sampleFile() + "99\r\n" << true << sample;
    QTest::newRow("junk after the sixteenth value")
        << sampleFile() + QByteArray("\x01\xff garbage") << true << sample;
    QTest::newRow("decimal comma is two items")
        << QByteArray(sampleFile()).replace("4.02\r\n", "4,02\r\n") << true
        << "4,3.75,0.005,4,2,0.036,0.25,0.05,85,0,0,0,7,310,106,10";
    QTest::newRow("fifteen values")
        << QByteArray(sampleFile()).replace("150\r\n", "") << false << "ends after 15 of 16";
    QTest::newRow("ten values and a break")
        << sampleFile().left(sampleFile().indexOf("0\r\n0\r\n0\r\n7")) + "0" << false
        << "ends after 9 of 16";
    QTest::newRow("empty file") << QByteArray() << false << "ends after 0 of 16";
    QTest::newRow("letters") << QByteArray(sampleFile()).replace("0.005", "abc") << false
                             << "item 3 is not a number: \"abc\"";
    QTest::newRow("empty item between commas") << QByteArray("4,,3") << false << "item 2 is empty";
    QTest::newRow("two points") << QByteArray(sampleFile()).replace("4.02", "4.0.2") << false
                                << "item 4 is not a number";
    QTest::newRow("too large for a double")
        << QByteArray(sampleFile()).replace("85", "1e999") << false << "item 8 is too large";
    QTest::newRow("too small for a double reads as zero")
        << QByteArray(sampleFile()).replace("\r\n0\r\n", "\r\n1E-400\r\n") << true << sample;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + sampleFile() << true << sample;
    QTest::newRow("binary junk") << QByteArray("\x00\x01\x02\xfe\xff", 5) << false
                                 << "item 1 is not a number";
    QTest::newRow("five thousand digits are too large")
        << QByteArray(5000, '7') << false << "item 1 is too large";
}

void TestDataFiles::read() {
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QFETCH(QString, expected);

    const auto path = m_dir.filePath("read.dat");
    writeBytes(path, content);
    EngineData engine = sentinel();
    const auto status = Read_Engine_File(path, engine);
    QCOMPARE(status.ok(), readable);
    if (readable) {
        QList<double> values;
        for (const auto& item : expected.split(',')) {
            values.append(item.toDouble());
        }
        QCOMPARE(engine, engineOf(values));
    } else {
        QVERIFY2(status.reason.contains(expected), qPrintable(status.reason));
        QCOMPARE(engine, sentinel()); // all or nothing
    }
}

void TestDataFiles::readsOnlyAsFarAsNeeded_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("readable");

    QTest::newRow("ten megabytes of blanks") << "blanks" << false;
    QTest::newRow("one endless line") << "endless" << false;
    QTest::newRow("good values, then megabytes") << "long tail" << true;
    QTest::newRow("a folder") << "." << false;
    QTest::newRow("a missing file") << "missing.dat" << false;
    QTest::newRow("no name") << "" << false;
    QTest::newRow("an endless device") << "/dev/zero" << false;
    QTest::newRow("a pipe with no writer") << "pipe" << false;
}

void TestDataFiles::readsOnlyAsFarAsNeeded() {
    QFETCH(QString, path);
    QFETCH(bool, readable);

    writeBytes(m_dir.filePath("blanks"), QByteArray(10 << 20, ' '));
    writeBytes(m_dir.filePath("endless"), QByteArray(10 << 20, '1'));
    writeBytes(m_dir.filePath("long tail"), sampleFile() + QByteArray(10 << 20, 'x'));
    if (path == "pipe" || path.startsWith("/dev/")) {
        SKIP_WITHOUT_POSIX("this system has no pipes or devices in its file system");
    }
    if (path == "pipe" && !QFile::exists(m_dir.filePath("pipe"))) {
        QVERIFY(makePipe(m_dir.filePath("pipe")));
    }
    const auto fullPath = path.startsWith('/') || path.isEmpty() ? path : m_dir.filePath(path);

    EngineData engine = sentinel();
    const auto status = Read_Engine_File(fullPath, engine);
    QCOMPARE(status.ok(), readable);
    QVERIFY(status.problem != tolvaric::FileProblem::None || readable);
    QCOMPARE(engine, readable ? sampleEngine() : sentinel());
}

void TestDataFiles::ownerRoundTrip_data() {
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("plain") << "Owner"
                           << "Owner";
    QTest::newRow("comma") << "Smith, John"
                           << "Smith, John";
    QTest::newRow("blanks kept inside quotes") << "  Q.L.N.  "
                                               << "  Q.L.N.  ";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("non-ASCII letters") << "Jörg Müller, Øresund"
                                       << "Jörg Müller, Øresund";
    QTest::newRow("several lines") << "Speed Shop\nMain Street 4"
                                   << "Speed Shop\nMain Street 4";
    QTest::newRow("inner double quote ends the text") << "Ed \"Big\" Roth"
                                                      << "Ed ";
    const QString longest = QString(16383, QChar(0x00E9)) + "Ω"; // as long as the box holds
    QTest::newRow("a name as long as the box holds") << longest << longest;
}

void TestDataFiles::ownerRoundTrip() {
    QFETCH(QString, owner);
    QFETCH(QString, readBack);

    const auto path = m_dir.filePath("owner");
    QVERIFY(Write_Owner_File(path, owner).ok());
    QCOMPARE(readBytes(path), "\"" + owner.toUtf8().replace("\n", "\r\n") + "\"\r\n");
    QString back = "unchanged";
    QVERIFY(Read_Owner_File(path, back).ok());
    QCOMPARE(back, readBack);
    // Quit after the next start keeps the same name, run after run.
    QVERIFY(Write_Owner_File(path, back).ok());
    QVERIFY(Read_Owner_File(path, back).ok());
    QCOMPARE(back, readBack);
}

void TestDataFiles::ownerRead_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("owner");

    QTest::newRow("unquoted, to the comma")
        << QByteArray("  Owner Name , more\r\n") << true << "Owner Name";
    QTest::newRow("unquoted, to the line end")
        << QByteArray("Q.L.N.\r\nsecond") << true << "Q.L.N.";
    QTest::newRow("only the first item") << QByteArray("\"One\",\"Two\"\r\n") << true << "One";
    QTest::newRow("quote never closed") << QByteArray("\"Open ended\r\n") << true << "Open ended";
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF\"Jane Doe\"\r\n") << true << "Jane Doe";
    QTest::newRow("line breaks inside read as LF")
        << QByteArray("\"Shop\r\nStreet\rTown\"\r\n") << true << "Shop\nStreet\nTown";
    // A file over the limit, cut inside a two-byte letter.
    QTest::newRow("over the size limit, cut at a whole letter")
        << "\"" + QString((4 << 20) / 2 + 5, QChar(0x00E9)).toUtf8() << true
        << QString((4 << 20) / 2 - 1, QChar(0x00E9));
    QTest::newRow("Windows-1252 letters") << QByteArray("\"J\xf6rg \x80\"\r\n") << true << "Jörg €";
    QTest::newRow("UTF-8 letters") << QByteArray("\"J\xc3\xb6rg\"\r\n") << true << "Jörg";
    QTest::newRow("empty file") << QByteArray() << false << "";
    QTest::newRow("only blanks") << QByteArray("  \t") << false << "";
    QTest::newRow("a line end before the name is an empty name")
        << QByteArray("\r\n\"Fred\"\r\n") << true << "";
    QTest::newRow("only a line end is an empty name") << QByteArray("\r\n") << true << "";
    QTest::newRow("UTF-16 LE from Notepad")
        << QByteArray("\xFF\xFE\"\0Z\0o\0\xEB\0\"\0\r\0\n\0", 16) << true << "Zoë";
    QTest::newRow("UTF-16 BE with a pair")
        << QByteArray("\xFE\xFF\0\"\0A\xD8\x3D\xDE\x00\0\"", 12) << true << "A😀";
}

void TestDataFiles::ownerRead() {
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QFETCH(QString, owner);

    const auto path = m_dir.filePath("owner-read");
    writeBytes(path, content);
    QString back = "unchanged";
    QCOMPARE(Read_Owner_File(path, back).ok(), readable);
    QCOMPARE(back, readable ? owner : QString("unchanged"));
    QVERIFY(!Read_Owner_File(m_dir.filePath("no-owner"), back).ok());
}

void TestDataFiles::windows1252EveryByte() {
    QFile reference(QFINDTESTDATA("data/windows-1252.txt"));
    QVERIFY(reference.open(QIODevice::ReadOnly | QIODevice::Text));
    int checked = 0;
    while (!reference.atEnd()) {
        const QByteArray line = reference.readLine().trimmed();
        if (line.startsWith('#')) {
            continue;
        }
        const auto pair = line.split(' ');
        const char byte = char(pair[0].toInt(nullptr, 16));
        const char32_t code = char32_t(pair[1].toUInt(nullptr, 16));
        const auto owner = tolvaric::parseOwnerText(std::string("\"J") + byte + "\"");
        QVERIFY(owner);
        QCOMPARE(QString::fromStdString(*owner), "J" + QString::fromUcs4(&code, 1));
        ++checked;
    }
    QCOMPARE(checked, 128);
}

// Another process swaps the data file for a pipe and back as fast as it
// can: a reader that looked at a regular file and then opened the pipe
// would wait for a writer for ever (Fetch and --sheet read so). Each read
// ends at once, with the engine or a refusal. A watchdog gives any reader
// left waiting a writer, which it can open only while a reader waits: that
// is the failure, however slow a loaded machine makes the reads.
void TestDataFiles::aFileSwappedForAPipeNeverHoldsTheReader() {
#ifdef Q_OS_WIN
    QSKIP("this system has no named pipes in its file system");
#else
    const QString path = m_dir.filePath("swapped.dat");
    writeBytes(path, sampleFile());
    std::atomic<bool> reading{true};
    std::thread swapper([&] {
        const QString link = m_dir.filePath("next.link");
        const QString file = m_dir.filePath("next.dat");
        // Each pipe keeps a name of its own, by which the watchdog finds it.
        for (int n = 0; reading; ++n) {
            const QString pipe = m_dir.filePath(QString("%1.pipe").arg(n));
            makePipe(pipe);
            ::link(QFile::encodeName(pipe), QFile::encodeName(link));
            std::rename(QFile::encodeName(link), QFile::encodeName(path));
            writeBytes(file, sampleFile());
            std::rename(QFile::encodeName(file), QFile::encodeName(path));
        }
    });
    QElapsedTimer clock;
    clock.start();
    std::atomic<bool> heldReader{false};
    std::thread watchdog([&] {
        // Waits for the reads to end, or long enough that one must be held.
        while (reading && clock.elapsed() < 20000) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        reading = false;
        for (const auto& pipe : QDir(m_dir.path()).entryList({"*.pipe"}, QDir::System)) {
            const int writer =
                ::open(QFile::encodeName(m_dir.filePath(pipe)), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                heldReader = true;
                ::close(writer);
            }
        }
    });
    for (int i = 0; i < 3000 && clock.elapsed() < 2500 && reading; ++i) {
        EngineData engine;
        Read_Engine_File(path, engine);
    }
    reading = false;
    swapper.join();
    watchdog.join();
    QVERIFY2(!heldReader, "a read waited on the pipe");
    // The swapper ends with the file in place, which reads.
    EngineData engine;
    QVERIFY(Read_Engine_File(path, engine).ok());
#endif
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
