// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Small file helpers shared by the tests that work on real files.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

// A fresh, empty working folder for each test function, and the previous
// one back afterwards.
class ScratchFolder {
  public:
    bool enter() {
        m_previous = QDir::currentPath();
        return QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()) &&
               QDir::setCurrent(m_dir.path());
    }
    void leave() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

  private:
    QTemporaryDir m_dir;
    QString m_previous;
};

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The sample engine's data file, shared with the benchmark and the fuzz corpus:
// 4, 3.75, 0.005, 4.02, 0.036, 0.25, 0.05, 85, 0, 0, 0, 7, 310, 106, 10, 150.
inline QByteArray sampleFile() {
    static const QByteArray bytes = readBytes(QFINDTESTDATA("data/sample.dat"));
    return bytes;
}

// Named pipes in the file system, which readers must never wait on, exist
// only on POSIX systems; rows about them skip elsewhere.
inline bool makePipe(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

#ifdef Q_OS_WIN
#define SKIP_WITHOUT_POSIX(why) QSKIP(why)
#else
#define SKIP_WITHOUT_POSIX(why) static_cast<void>(0)
#endif
#define MAKE_PIPE(path)                                                                            \
    do {                                                                                           \
        SKIP_WITHOUT_POSIX("this system has no named pipes in its file system");                   \
        QVERIFY(makePipe(path));                                                                   \
    } while (false)
