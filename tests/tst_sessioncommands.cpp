// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/DataFiles.h"
#include "tests/FakePrompts.h"
#include "tests/FakeView.h"
#include "tests/TestFiles.h"
#include "ui/ColorButton.h"
#include "ui/FieldBox.h"
#include "ui/MainWindow.h"
#include "ui/MainWindow_p.h"
#include "ui/SessionCommands.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

#include <memory>

using tolvaric::EngineData;
using tolvaric::FileChoice;
using tolvaric::MainWindow;
using tolvaric::SessionCommands;
using Command = tolvaric::Command;

namespace {

// A place no one may write to, root included.
QString unwritableFolder() {
    return QStringLiteral("/proc");
}

} // namespace

class TestSessionCommands : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void firstStartWithoutFiles_data();
    void firstStartWithoutFiles();
    void startWithDefaultData();
    void shortDefaultFileKeepsTheShownValues();
    void startUpQuestionNamesAnUnopenedFile_data();
    void startUpQuestionNamesAnUnopenedFile();
    void ownerFile_data();
    void ownerFile();
    void logo_data();
    void logo();
    void saveAndFetchRoundTrip();
    void cancelledDialogs_data();
    void cancelledDialogs();
    void fetchOfAShortFileChangesNothing();
    void failedSaveIsReported();
    void quitKeepsTypedValuesAndOwner();
    void quitInAnUnwritableFolder();
    void closingTheWindowWritesNothing();
    void helpStartsOneViewerAtATime();

  private:
    void start(bool proceed = true);

    ScratchFolder m_dir;
    FakePrompts m_prompts;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<tolvaric::Session> m_session;
    std::unique_ptr<SessionCommands> m_commands;
    int m_endRequests = 0;
    bool m_started = false;
};

void TestSessionCommands::init() {
    QVERIFY(m_dir.enter());
    m_prompts = FakePrompts();
    m_endRequests = 0;
    m_session = std::make_unique<tolvaric::Session>();
    m_window = std::make_unique<MainWindow>(*m_session, m_prompts, QLocale::c());
    m_commands = std::make_unique<SessionCommands>(*m_window, *m_session, m_prompts,
                                                   [this] { ++m_endRequests; });
    connect(m_window.get(), &MainWindow::commandRequested, m_commands.get(), &SessionCommands::run);
}

void TestSessionCommands::cleanup() {
    m_commands.reset();
    m_window.reset();
    m_dir.leave();
}

void TestSessionCommands::start(bool proceed) {
    m_prompts.proceed = proceed;
    m_started = m_commands->startUp();
    if (m_started) {
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
}

void TestSessionCommands::firstStartWithoutFiles_data() {
    QTest::addColumn<bool>("proceed");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestSessionCommands::firstStartWithoutFiles() {
    QFETCH(bool, proceed);
    start(proceed);
    QCOMPARE(m_prompts.dataErrorQuestions, 1);
    QCOMPARE(m_started, proceed);
    if (proceed) {
        // The record holds what the boxes show, not zeros.
        QCOMPARE(m_session->engine(), tolvaric::initialEngineData());
        QCOMPARE(m_window->box(&EngineData::Bore)->text(), "4.000");
        QCOMPARE(tolvaric::ownerBox(*m_window)->toPlainText(), "Owner");
    } else {
        QVERIFY(!m_window->isVisible());
    }
    QVERIFY(QDir().entryList(QDir::Files | QDir::Hidden).isEmpty()); // nothing written
}

void TestSessionCommands::startWithDefaultData() {
    writeBytes("tolvaric.dat", sampleFile());
    start();
    QCOMPARE(m_prompts.dataErrorQuestions, 0);
    QCOMPARE(m_session->engine().Intake_Centerline, 106.0);
    QCOMPARE(m_window->box(&EngineData::Intake_Seat_Duration)->text(), "310.0");
    QCOMPARE(m_window->box(&EngineData::Intake_Centerline)->text(), "106.0");
    QCOMPARE(m_window->box(&EngineData::Cylinder_Pressure)->text(), "150.00");
    QCOMPARE(m_window->box(&EngineData::Dome_Volume)->text(), ".0");
    QCOMPARE(m_window->box(&EngineData::Deck_Clearance)->text(), ".005");
}

void TestSessionCommands::startUpQuestionNamesAnUnopenedFile_data() {
    QTest::addColumn<QString>("made"); // what tolvaric.dat is
    QTest::addColumn<QString>("detail");
    QTest::newRow("none: the first start") << "none"
                                           << "";
    QTest::newRow("bad data: nothing to name") << "short"
                                               << "";
    // There, but not to be opened: No keeps it for a later start.
    QTest::newRow("a folder") << "folder"
                              << "\"tolvaric.dat\" is a folder, not a file with an engine";
    QTest::newRow("a pipe") << "pipe"
                            << "\"tolvaric.dat\" is not a file but a pipe or a device";
    QTest::newRow("unreadable") << "unreadable"
                                << "\"tolvaric.dat\" could not be opened: Permission denied.";
}

void TestSessionCommands::startUpQuestionNamesAnUnopenedFile() {
    QFETCH(QString, made);
    QFETCH(QString, detail);
    if (made == "short") {
        writeBytes("tolvaric.dat", "4\r\n");
    } else if (made == "folder") {
        QVERIFY(QDir().mkdir("tolvaric.dat"));
    } else if (made == "pipe" && !makePipe("tolvaric.dat")) {
        QSKIP("no named pipes in a folder here");
    } else if (made == "unreadable") {
        writeBytes("tolvaric.dat", sampleFile());
        QFile::setPermissions("tolvaric.dat", QFileDevice::WriteOwner);
        if (QFile("tolvaric.dat").open(QIODevice::ReadOnly)) {
            QSKIP("this user reads every file");
        }
    }
    start(false);
    QCOMPARE(m_prompts.dataErrorDetails.size(), 1);
    const QString shown = m_prompts.dataErrorDetails[0];
    QVERIFY2(detail.isEmpty() ? shown.isEmpty() : shown.startsWith(detail), qPrintable(shown));
}

void TestSessionCommands::shortDefaultFileKeepsTheShownValues() {
    const QByteArray tenValues = "5\r\n4\r\n0\r\n5\r\n0.04\r\n0.3\r\n0.06\r\n70\r\n1\r\n2\r\n";
    writeBytes("tolvaric.dat", tenValues);
    start();
    QCOMPARE(m_prompts.dataErrorQuestions, 1);
    QCOMPARE(m_window->box(&EngineData::Bore)->text(), "4.000");
    QCOMPARE(m_session->engine(), tolvaric::initialEngineData()); // no half-read engine
    QCOMPARE(readBytes("tolvaric.dat"), tenValues);
}

void TestSessionCommands::ownerFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("kept"); // what Quit then writes
    const QByteArray owner = "\"Owner\"\r\n";
    QTest::newRow("a name") << QByteArray("\"Q.L.N. Racing\"\r\n") << true << "Q.L.N. Racing"
                            << QByteArray("\"Q.L.N. Racing\"\r\n");
    QTest::newRow("two double quotes")
        << QByteArray("\"\"\r\n") << true << "" << QByteArray("\"\"\r\n");
    QTest::newRow("empty file") << QByteArray() << true << "Owner" << owner;
    QTest::newRow("no file") << QByteArray() << false << "Owner" << owner;
    QTest::newRow("several lines")
        << QByteArray("\"Speed Shop\r\nMain St\"\r\n") << true << "Speed Shop\nMain St"
        << QByteArray("\"Speed Shop\r\nMain St\"\r\n");
    QTest::newRow("a byte-order mark and a non-breaking space")
        << QByteArray("\xEF\xBB\xBF\"Jane\xC2\xA0"
                      "Doe\"\r\n")
        << true << "Jane Doe"
        << QByteArray("\"Jane\xC2\xA0"
                      "Doe\"\r\n");
    QTest::newRow("a line separator, as Shift+Enter types it")
        << QByteArray("\"A\xE2\x80\xA8"
                      "B\"\r\n")
        << true << "A\nB" << QByteArray("\"A\r\nB\"\r\n");
    const QByteArray longName = "\"" + QByteArray(20000, 'W') + "\"\r\n";
    QTest::newRow("longer than the box holds: its start shown, the file kept")
        << longName << true << QString(16384, 'W') << longName;
    QTest::newRow("no closing quote") << QByteArray("\"Open ended\r\n") << true << "Open ended"
                                      << QByteArray("\"Open ended\"\r\n");
}

void TestSessionCommands::ownerFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(QString, shown);
    writeBytes("tolvaric.dat", sampleFile());
    if (exists) {
        writeBytes("owner", content);
    }
    QFETCH(QByteArray, kept);
    start();
    QCOMPARE(tolvaric::ownerBox(*m_window)->toPlainText(), shown);
    m_commands->quit();
    QCOMPARE(readBytes("owner"), kept);
}

void TestSessionCommands::logo_data() {
    QTest::addColumn<QString>("format"); // of "mine.bmp"; empty: no file
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour"); // in the middle of the box
    QTest::newRow("a bitmap") << "BMP" << QSize(40, 30) << QColor(Qt::darkBlue);
    QTest::newRow("a PNG under the bitmap's name")
        << "PNG" << QSize(64, 16) << QColor(Qt::darkBlue);
    QTest::newRow("a picture larger than the box")
        << "BMP" << QSize(4000, 3000) << QColor(Qt::darkBlue);
    QTest::newRow("no picture") << "" << QSize() << QColor();
    QTest::newRow("not a picture") << "junk" << QSize() << QColor();
    QTest::newRow("a pipe") << "pipe" << QSize() << QColor();
    // Where Qt reads SVG, its reader would open the pipe the picture names.
    QTest::newRow("an SVG naming a pipe") << "svg" << QSize() << QColor();
}

void TestSessionCommands::logo() {
    QFETCH(QString, format);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    if (format == "junk") {
        writeBytes("mine.bmp", "not a picture");
    } else if (format == "pipe") {
        MAKE_PIPE("mine.bmp"); // no writer: reading it would wait for ever
    } else if (format == "svg") {
        MAKE_PIPE("fifo.png");
        writeBytes("mine.bmp", "<svg xmlns='http://www.w3.org/2000/svg' "
                               "xmlns:xlink='http://www.w3.org/1999/xlink' width='40' height='30'>"
                               "<image xlink:href='fifo.png' width='40' height='30'/></svg>");
    } else if (!format.isEmpty()) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        QVERIFY(picture.save("mine.bmp", qPrintable(format)));
    }
    writeBytes("tolvaric.dat", sampleFile());
    FakeView view;
    SessionCommands commands(view, *m_session, m_prompts, [] {});
    QVERIFY(commands.startUp());
    // Whatever its own size, the picture fills the whole box, stretched once.
    const QImage shown = view.logo;
    QCOMPARE(shown.size(), view.logoPixels());
    if (colour.isValid()) {
        for (const QPoint at : {QPoint(0, 0), QPoint(204, 124), QPoint(102, 62)}) {
            QCOMPARE(shown.pixelColor(at), colour);
        }
    } else {
        QVERIFY(shown.pixelColor(0, 0) != QColor(Qt::darkBlue)); // the shipped logo
    }
}

void TestSessionCommands::saveAndFetchRoundTrip() {
    writeBytes("tolvaric.dat", sampleFile());
    start();
    QTest::mouseClick(m_window->button(tolvaric::Calculation::Volume), Qt::LeftButton);
    QCOMPARE(m_window->box(&EngineData::Combustion_Chamber_Volume)->text(), "76.01");
    const EngineData saved = m_session->engine();

    m_prompts.chosenFile = m_dir.filePath("engine.dat");
    QTest::mouseClick(m_window->button(Command::Save), Qt::LeftButton);
    QCOMPARE(m_prompts.choices, QList<FileChoice>{FileChoice::Save});
    QVERIFY(m_prompts.messages.isEmpty());

    writeBytes("engine.dat", readBytes("engine.dat")); // saving again replaces without asking
    QTest::mouseClick(m_window->button(Command::Fetch), Qt::LeftButton);
    QCOMPARE(m_session->engine(), saved);
    QCOMPARE(m_window->box(&EngineData::Combustion_Chamber_Volume)->text(), "76.0");
    QCOMPARE(m_prompts.dataErrorQuestions, 0);
    QCOMPARE(QDir::currentPath(), m_dir.path());
    QCOMPARE(readBytes("tolvaric.dat"), sampleFile()); // only Quit writes the default file
}

void TestSessionCommands::cancelledDialogs_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("proceed");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("ends");
    QTest::newRow("Save, Cancel") << int(Command::Save) << true << 0 << 0;
    QTest::newRow("Fetch, Cancel, Yes") << int(Command::Fetch) << true << 1 << 0;
    QTest::newRow("Fetch, Cancel, No") << int(Command::Fetch) << false << 1 << 1;
}

void TestSessionCommands::cancelledDialogs() {
    QFETCH(int, command);
    QFETCH(bool, proceed);
    QFETCH(int, questions);
    QFETCH(int, ends);
    writeBytes("tolvaric.dat", sampleFile());
    start();
    const EngineData before = m_session->engine();
    m_prompts.chosenFile.clear();
    m_prompts.proceed = proceed;
    QTest::mouseClick(m_window->button(Command(command)), Qt::LeftButton);
    QCOMPARE(m_prompts.dataErrorQuestions, questions);
    QCOMPARE(m_endRequests, ends);
    QVERIFY(m_prompts.messages.isEmpty());
    QCOMPARE(m_session->engine(), before);
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{"tolvaric.dat"});
    QCOMPARE(readBytes("tolvaric.dat"), sampleFile());
}

void TestSessionCommands::fetchOfAShortFileChangesNothing() {
    writeBytes("tolvaric.dat", sampleFile());
    start();
    writeBytes("ten.dat", "9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n9\r\n");
    const EngineData before = m_session->engine();
    const QString boreText = m_window->box(&EngineData::Bore)->text();
    m_prompts.chosenFile = m_dir.filePath("ten.dat");
    tolvaric::ownerBox(*m_window)->setFocus();
    m_commands->fetch();
    QCOMPARE(m_prompts.dataErrorQuestions, 1);
    QCOMPARE(m_session->engine(), before);
    QCOMPARE(m_window->box(&EngineData::Bore)->text(), boreText);
    QCOMPARE(m_endRequests, 0);
}

void TestSessionCommands::failedSaveIsReported() {
    writeBytes("tolvaric.dat", sampleFile());
    start();
    m_prompts.chosenFile = unwritableFolder() + "/engine.dat";
    m_commands->save();
    QCOMPARE(m_prompts.messages.size(), 1);
    const auto& message = m_prompts.messages.front();
    QCOMPARE(message.title, "tolvaric");
    QCOMPARE(message.icon, tolvaric::MessageIcon::Exclamation);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(m_prompts.chosenFile)),
             qPrintable(message.text));
    QVERIFY2(!message.text.contains("left as it was"), qPrintable(message.text)); // there was none

    // A folder's name is refused too, and the folder stays.
    QVERIFY(QDir().mkdir("folder.dat"));
    m_prompts.chosenFile = m_dir.filePath("folder.dat");
    m_commands->save();
    QCOMPARE(m_prompts.messages.size(), 2);
    QVERIFY(QFileInfo("folder.dat").isDir());
}

void TestSessionCommands::quitKeepsTypedValuesAndOwner() {
    start(); // first start without files, Yes
    auto* bore = m_window->box(&EngineData::Bore);
    bore->setFocus();
    bore->selectAll();
    QTest::keyClicks(bore, "4.25");
    tolvaric::ownerBox(*m_window)->setPlainText("Jörg, \"JJ\" Speed");
    QTest::mouseClick(m_window->button(Command::Quit), Qt::LeftButton);
    QCOMPARE(m_endRequests, 1);
    QVERIFY(m_prompts.messages.isEmpty());
    QVERIFY(readBytes("tolvaric.dat").startsWith("4.25\r\n3.75\r\n0.005\r\n"));
    QCOMPARE(readBytes("owner"), QString("\"Jörg, \"JJ\" Speed\"\r\n").toUtf8());

    // The next start shows what Quit kept.
    cleanup();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_prompts = FakePrompts();
    m_session = std::make_unique<tolvaric::Session>();
    m_window = std::make_unique<MainWindow>(*m_session, m_prompts, QLocale::c());
    m_commands = std::make_unique<SessionCommands>(*m_window, *m_session, m_prompts, [] {});
    QVERIFY(m_commands->startUp());
    QCOMPARE(m_prompts.dataErrorQuestions, 0);
    QCOMPARE(m_session->engine().Bore, 4.25);
    QCOMPARE(m_window->box(&EngineData::Bore)->text(), "4.250");
    QCOMPARE(tolvaric::ownerBox(*m_window)->toPlainText(), "Jörg, ");
}

void TestSessionCommands::quitInAnUnwritableFolder() {
    start();
    SKIP_WITHOUT_POSIX("needs a folder no one may write to");
    QVERIFY(QDir::setCurrent(unwritableFolder()));
    m_commands->quit();
    QCOMPARE(m_endRequests, 1); // it ends all the same
    QCOMPARE(m_prompts.messages.size(), 1);
    const auto& text = m_prompts.messages.front().text;
    QVERIFY2(text.contains("\"tolvaric.dat\"") && text.contains("\"owner\""), qPrintable(text));
}

void TestSessionCommands::closingTheWindowWritesNothing() {
    writeBytes("tolvaric.dat", sampleFile());
    start();
    auto* bore = m_window->box(&EngineData::Bore);
    bore->setFocus();
    QTest::keyClicks(bore, "9");
    QTest::keyClick(bore, Qt::Key_Return);
    m_window->close();
    QCOMPARE(readBytes("tolvaric.dat"), sampleFile());
    QVERIFY(!QFile::exists("owner"));
    QCOMPARE(m_endRequests, 0);
}

void TestSessionCommands::helpStartsOneViewerAtATime() {
    // One viewer at a time: a click while it is open starts no other (held
    // Enter on Help once started dozens); one that cannot start is reported.
    writeBytes("tolvaric.dat", sampleFile());
    start();
    QTest::mouseClick(m_window->button(Command::Help), Qt::LeftButton);
    QTest::mouseClick(m_window->button(Command::Help), Qt::LeftButton);
    QCOMPARE(m_prompts.helpViewersStarted, 1);
    QCOMPARE(m_prompts.viewersShownAgain, 1);
    m_prompts.viewerOpen = false; // the user closed it
    QTest::mouseClick(m_window->button(Command::Help), Qt::LeftButton);
    QCOMPARE(m_prompts.helpViewersStarted, 2);
    QVERIFY(m_prompts.messages.isEmpty());
    m_prompts.helpViewerStarts = false;
    m_prompts.viewerOpen = false;
    QTest::mouseClick(m_window->button(Command::Help), Qt::LeftButton);
    QCOMPARE(m_prompts.messages.size(), 1);
}

QTEST_MAIN(TestSessionCommands)
#include "tst_sessioncommands.moc"
