// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Start-up, Save, Fetch and Quit as file work alone: no window, no widget.

#include "storage/DataFiles.h"
#include "storage/Session.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QTest>

using tolvaric::EngineData;
using tolvaric::Session;

class TestSession : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void startUp_data();
    void startUp();
    void saveFetchAndKeep();

  private:
    ScratchFolder m_dir;
};

void TestSession::init() {
    QVERIFY(m_dir.enter());
}

void TestSession::cleanup() {
    m_dir.leave();
}

void TestSession::startUp_data() {
    QTest::addColumn<QByteArray>("data");  // of tolvaric.dat; empty: none
    QTest::addColumn<QByteArray>("owner"); // of owner; empty: none
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("ownerName");
    QTest::newRow("first start, no files") << QByteArray() << QByteArray() << false << "Owner";
    QTest::newRow("both files") << sampleFile() << QByteArray("\"Q.L.N.\"\r\n") << true << "Q.L.N.";
    QTest::newRow("a short data file, an empty owner")
        << sampleFile().left(20) << QByteArray("\"\"\r\n") << false << "";
    // Cut to the longest name the window takes, never inside a surrogate pair.
    const QString longName = QString(tolvaric::ownerTextLimit - 1, 'a');
    const QString longOwner = "\"" + longName + QString::fromUtf8("\U0001F3C1") + "\"\r\n";
    QTest::newRow("a long owner ending in a flag, UTF-16")
        << QByteArray()
        << QByteArray("\xff\xfe") +
               QByteArray(reinterpret_cast<const char*>(longOwner.utf16()), longOwner.size() * 2)
        << false << longName;
}

void TestSession::startUp() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, owner);
    QFETCH(bool, loaded);
    QFETCH(QString, ownerName);
    if (!data.isEmpty()) {
        writeBytes("tolvaric.dat", data);
    }
    if (!owner.isEmpty()) {
        writeBytes("owner", owner);
    }
    Session session;
    const auto status = session.startUp();
    QCOMPARE(status.ok(), loaded);
    QCOMPARE(session.owner(), ownerName);
    // A sheet names the engine by the file it came from.
    QCOMPARE(session.dataFile(), loaded ? "tolvaric.dat" : "");
    if (loaded) {
        QCOMPARE(session.engine().Cylinder_Pressure, 150.0); // the file's last value
    } else {
        QCOMPARE(session.engine(), EngineData{}); // a failed read changes no field
    }
    if (!loaded) {
        QCOMPARE(status.problem,
                 data.isEmpty() ? tolvaric::FileProblem::System : tolvaric::FileProblem::Content);
        session.proceedWithInitialValues(); // Yes on the question
        QCOMPARE(session.engine(), tolvaric::initialEngineData());
    }
    QCOMPARE(QDir().entryList(QDir::Files).size(), int(!data.isEmpty()) + int(!owner.isEmpty()));
}

void TestSession::saveFetchAndKeep() {
    Session session;
    session.setEngine(tolvaric::initialEngineData());
    session.setOwner("Jane\nSpeed Shop");
    QVERIFY(session.save("engine.dat").ok());
    const EngineData saved = session.engine();
    session.store(&EngineData::Bore, 9);
    QVERIFY(session.fetch("engine.dat").ok());
    QCOMPARE(session.engine(), saved);
    session.store(&EngineData::Bore, 9);
    const auto failed = session.fetch("missing.dat");
    QVERIFY(!failed.ok() && failed.problem == tolvaric::FileProblem::System);
    QCOMPARE(session.engine().Bore, 9.0); // as it was

    QVERIFY(session.keepForNextStart().ok());
    QCOMPARE(readBytes("owner"), "\"Jane\r\nSpeed Shop\"\r\n");
    Session nextRun;
    QVERIFY(nextRun.startUp().ok());
    QCOMPARE(nextRun.engine(), session.engine());
    QCOMPARE(nextRun.owner(), "Jane\nSpeed Shop");

    // Where nothing can be written, both files report why.
    QVERIFY(QDir().mkdir("tolvaric.dat.d"));
    QFile::remove("tolvaric.dat");
    QVERIFY(QDir().rename("tolvaric.dat.d", "tolvaric.dat"));
    QVERIFY(QDir().mkdir("owner.d"));
    QFile::remove("owner");
    QVERIFY(QDir().rename("owner.d", "owner"));
    const auto kept = session.keepForNextStart();
    QCOMPARE(kept.data.problem, tolvaric::FileProblem::Folder);
    QCOMPARE(kept.owner.problem, tolvaric::FileProblem::Folder);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
