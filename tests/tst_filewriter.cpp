// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Writing a data file or the owner file never costs what was there: a
// failed write keeps the previous file, a device is never replaced, and a
// file the user may write in a folder the user may not is written in place.

#include "storage/DataFiles.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifdef Q_OS_WIN
#include "storage/FileWriter.h"
#include "storage/RegularFile.h"

#include <future>
#include <thread>

#include <windows.h>
#endif

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using tolvaric::EngineData;
using tolvaric::FileStatus;
using tolvaric::Write_Engine_File;
using tolvaric::Write_Owner_File;

namespace {

#ifndef Q_OS_WIN
// Runs a write in a child process, as an unprivileged user (root may write
// anywhere) or with a file-size limit that stands in for a full disk. Gives
// the reason the write reported, or an empty text when it succeeded.
QString writeInChild(const std::function<FileStatus()>& write, bool unprivileged,
                     rlim_t sizeLimit = RLIM_INFINITY) {
    int channel[2];
    if (pipe(channel) != 0) {
        return "pipe failed";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto status = write();
        const QByteArray reason = status.ok()
                                      ? QByteArray()
                                      : "!problem " + QByteArray::number(int(status.problem)) +
                                            ": " + status.reason.toUtf8();
        [[maybe_unused]] auto written = ::write(channel[1], reason.constData(), reason.size());
        _exit(0);
    }
    close(channel[1]);
    QByteArray reason;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
        reason.append(buffer, n);
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return QString::fromUtf8(reason.mid(1));
}

#endif

} // namespace

class TestFileWriter : public QObject {
    Q_OBJECT
  private slots:
    void failedWritesKeepThePreviousFile_data();
    void failedWritesKeepThePreviousFile();
    void neverReplacesADevice();
    void writesInPlaceInAFolderTheUserCannotWrite();
    void aFileAnotherProgramHolds_data();
    void aFileAnotherProgramHolds();

  private:
    QTemporaryDir m_dir;
};

void TestFileWriter::failedWritesKeepThePreviousFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("disk full part-way") << "full";
    QTest::newRow("owner file, disk full") << "owner full";
    QTest::newRow("owner name over the limit") << "owner too long";
    QTest::newRow("name of a folder") << "folder";
    // A file the user may write in a folder the user may not is written in
    // place: a full disk there puts the old bytes back.
    QTest::newRow("owner file, disk full, written in place") << "owner full in place";
    QTest::newRow("a read-only file, even for root") << "read-only file";
    // A full disk's stand-in is a file-size limit, and is named as such.
    QTest::newRow("a file-size limit, named") << "size limit full";
}

void TestFileWriter::failedWritesKeepThePreviousFile() {
#ifdef Q_OS_WIN
    QSKIP("needs fork, setuid and file-size limits");
#else
    QFETCH(QString, fault);

    QTemporaryDir dir;
    const auto path = dir.filePath(fault == "folder" ? "sub" : "tolvaric.dat");
    const QByteArray previous = "previous engine\r\n";
    if (fault == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("sub"));
    } else {
        writeBytes(path, previous);
    }
    const bool readOnly = fault == "read-only";
    const bool inPlace = fault.endsWith("in place");
    if (inPlace && geteuid() != 0) {
        QSKIP("needs root to hand the file to another user");
    }
    if (readOnly || inPlace) {
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                      QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther));
    }
    if (inPlace) {
        QCOMPARE(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
    if (fault == "read-only file") {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    }
    const auto engine = tolvaric::initialEngineData();
    // A full disk: no byte past the size the file has now.
    const rlim_t room = fault.contains("full") ? rlim_t(previous.size()) : RLIM_INFINITY;
    const auto reason = writeInChild(
        [&] {
            const QString owner(fault.endsWith("long") ? 5 << 20 : 4000, 'x');
            return fault.startsWith("owner") ? tolvaric::Write_Owner_File(path, owner)
                                             : Write_Engine_File(path, engine);
        },
        readOnly || inPlace, room);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QVERIFY2(!reason.isEmpty(), "the write reported success");
    if (fault.startsWith("size limit")) {
        QVERIFY2(reason.contains(qt_error_string(EFBIG)), qPrintable(reason));
    }
    if (fault == "folder") {
        QVERIFY(QFileInfo(path).isDir());
    } else {
        QCOMPARE(readBytes(path), previous);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             fault == "folder" ? 0 : 1); // no temporary file left behind
#endif
}

void TestFileWriter::neverReplacesADevice() {
#ifdef Q_OS_WIN
    QSKIP("needs /dev/full");
#else
    const auto status = Write_Engine_File("/dev/full", tolvaric::initialEngineData());
    QCOMPARE(status.problem, tolvaric::FileProblem::NotRegularFile);
    struct stat info {};
    QCOMPARE(stat("/dev/full", &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));
#endif
}

void TestFileWriter::writesInPlaceInAFolderTheUserCannotWrite() {
#ifdef Q_OS_WIN
    QSKIP("needs fork, setuid and chown");
#else
    if (geteuid() != 0) {
        QSKIP("needs root to hand the file to another user");
    }
    // The user's own files in someone else's folder (mode 755).
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther));
    const auto data = dir.filePath("tolvaric.dat");
    const auto owner = dir.filePath("owner");
    for (const auto& path : {data, owner}) {
        writeBytes(path, "previous\r\n");
        QCOMPARE(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
    QCOMPARE(
        writeInChild([&] { return Write_Engine_File(data, tolvaric::initialEngineData()); }, true),
        QString());
    QCOMPARE(writeInChild([&] { return Write_Owner_File(owner, "Jane"); }, true), QString());
    QCOMPARE(readBytes(data), sampleFile());
    QCOMPARE(readBytes(owner), "\"Jane\"\r\n");
#endif
}

void TestFileWriter::aFileAnotherProgramHolds_data() {
    QTest::addColumn<int>("heldFor"); // milliseconds
    QTest::addColumn<bool>("done");
    // A spreadsheet or a backup that lets go within moments is waited for.
    QTest::newRow("let go within the wait") << 600 << true;
    QTest::newRow("held past it") << 3500 << false;
}

// What another program holds open without sharing it (Windows locks so) is
// read and replaced once it lets go; held longer, it is reported in use and
// left as it was.
void TestFileWriter::aFileAnotherProgramHolds() {
#ifndef Q_OS_WIN
    QSKIP("only Windows keeps others out of an open file");
#else
    QFETCH(int, heldFor);
    QFETCH(bool, done);
    QTemporaryDir dir;
    const QString path = dir.filePath("tolvaric.dat");
    writeBytes(path, "kept");
    for (const bool reading : {true, false}) {
        std::promise<void> held;
        std::thread holder([&] {
            const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()),
                                              GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            held.set_value();
            Sleep(DWORD(heldFor));
            CloseHandle(handle);
        });
        held.get_future().wait();
        QByteArray bytes;
        const auto status = reading ? tolvaric::readWholeFile(path, 100, bytes)
                                    : tolvaric::writeWholeFile(path, "new");
        holder.join();
        QCOMPARE(status.ok(), done);
        if (!done) {
            QCOMPARE(status.problem, tolvaric::FileProblem::InUse);
            QCOMPARE(readBytes(path), QByteArray("kept"));
        }
    }
#endif
}

QTEST_GUILESS_MAIN(TestFileWriter)
#include "tst_filewriter.moc"
