// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The window at work: typed values reaching the record, the calculations,
// text that is no number, the owner box, and other locales.

#include "model/CalculationCommand.h"
#include "tests/FakeView.h"
#include "tests/TestFiles.h"
#include "tests/WindowTest.h"
#include "ui/ColorButton.h"
#include "ui/MainWindow_p.h"
#include "ui/SessionCommands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>

using tolvaric::EngineData;
using tolvaric::FieldBox;
using tolvaric::MainWindow;
using tolvaric::MessageIcon;
using tolvaric::Quantity;
using tolvaric::Session;
using tolvaric::unitNames;
using Command = tolvaric::Command;

class TestMainWindow : public WindowTest {
    Q_OBJECT
  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }
    void typedValueReachesTheRecordBeforeTheCommand();
    void programTextsStoreNothing();
    void calculations_data();
    void calculations();
    void unreadableTextIsReportedAndBlocksTheClick();
    void unreadableEntryMessages_data();
    void unreadableEntryMessages();
    void droppedTextIsStored();
    void ownerPasteIsCut();
    void switchingAwayDoesNotJudgeTheText();
    void enterAndEscapePressNoButton();
    void lockedBoxTakesNoTyping();
    void hoverFiguresFollowTheRecord_data();
    void hoverFiguresFollowTheRecord();
};

void TestMainWindow::typedValueReachesTheRecordBeforeTheCommand() {
    auto* bore = m_window->box(&EngineData::Bore);
    typeInto(bore, "4.125");
    QTest::mouseClick(m_window->button(tolvaric::Calculation::Ratio), Qt::LeftButton);
    QCOMPARE(m_session.engine().Bore, 4.125);
    QCOMPARE(bore->text(), "4.125");
    auto expected = tolvaric::initialEngineData();
    expected.Bore = 4.125;
    const auto ratio = tolvaric::compressionRatio(expected).value;
    QCOMPARE(m_session.engine().Compression_Ratio, ratio);
    QCOMPARE(m_window->box(&EngineData::Compression_Ratio)->text(), QString::number(ratio, 'f', 2));
    // Typed text is stored as typed, and a long one shows its start once left.
    auto* stroke = m_window->box(&EngineData::Stroke);
    typeInto(stroke, "103.2500000mm");
    QTest::keyClick(stroke, Qt::Key_Return);
    QCOMPARE(m_session.engine().Stroke, 103.25 / 25.4);
    QCOMPARE(stroke->cursorPosition(), 0);
}

void TestMainWindow::programTextsStoreNothing() {
    m_session.setEngine(EngineData{});
    m_window->Show_Engine_Data();
    QCOMPARE(m_window->box(&EngineData::Bore)->text(), ".000");
    QCOMPARE(m_window->box(&EngineData::Dome_Volume)->text(), ".0");
    m_window->box(&EngineData::Bore)->setText("4.000");
    QCOMPARE(m_session.engine().Bore, 0.0);
}

void TestMainWindow::calculations_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<double>("bore");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("shown");   // the result box's text afterwards
    QTest::addColumn<QString>("message"); // "title|text|icon", empty for none

    const int ratio = int(tolvaric::Calculation::Ratio);
    const int volume = int(tolvaric::Calculation::Volume);
    const int pressure = int(tolvaric::Calculation::Pressure);
    const QString failure = "Computation Error!|Check for complete data!|critical";
    QTest::newRow("ratio") << ratio << 4.0 << 10.0 << "9.15"
                           << "";
    QTest::newRow("ratio, clearance warning")
        << ratio << 0.0 << 10.0 << "10.00"
        << "tolvaric|There's something strange with the clearance volume|exclamation";
    QTest::newRow("ratio, overflow") << ratio << 1e200 << 10.0 << "10.00" << failure;
    QTest::newRow("volume") << volume << 4.0 << 10.0 << "76.01"
                            << "";
    QTest::newRow("volume, ratio 1") << volume << 4.0 << 1.0 << "85.0"
                                     << "tolvaric|Compression Ratio = 1 not allowed|exclamation";
    QTest::newRow("volume, overflow") << volume << 1e200 << 10.0 << "85.0" << failure;
    QTest::newRow("pressure") << pressure << 4.0 << 10.0 << "113.15"
                              << "";
    QTest::newRow("pressure, overflow") << pressure << 1e200 << 10.0 << "150.0" << failure;
}

void TestMainWindow::calculations() {
    QFETCH(int, command);
    QFETCH(double, bore);
    QFETCH(double, ratio);
    QFETCH(QString, shown);
    QFETCH(QString, message);

    tolvaric::ownerBox(*m_window)->setFocus(); // leaving it stores nothing in the record
    m_session.store(&EngineData::Bore, bore);
    m_session.store(&EngineData::Compression_Ratio, ratio);
    if (bore == 0) {
        m_session.setEngine(EngineData{});
    }
    const EngineData before = m_session.engine();
    QTest::mouseClick(m_window->button(tolvaric::Calculation(command)), Qt::LeftButton);

    const auto member = tolvaric::Calculation(command) == tolvaric::Calculation::Ratio
                            ? &EngineData::Compression_Ratio
                        : tolvaric::Calculation(command) == tolvaric::Calculation::Volume
                            ? &EngineData::Combustion_Chamber_Volume
                            : &EngineData::Cylinder_Pressure;
    QCOMPARE(m_window->box(member)->text(), shown);
    if (message.isEmpty()) {
        QCOMPARE(m_window->box(member)->cursorPosition(), 0); // its start, should it not fit
        QVERIFY(m_prompts.messages.isEmpty());
        QVERIFY(m_session.engine().*member != before.*member);
    } else {
        QCOMPARE(m_prompts.messages.size(), 1);
        const auto& shownMessage = m_prompts.messages.front();
        const auto parts = message.split('|');
        QCOMPARE(shownMessage.title, parts[0]);
        QCOMPARE(shownMessage.text, parts[1]);
        QCOMPARE(shownMessage.icon,
                 parts[2] == "critical" ? MessageIcon::Critical : MessageIcon::Exclamation);
        QCOMPARE(m_session.engine(), before);
    }
}

void TestMainWindow::unreadableTextIsReportedAndBlocksTheClick() {
    auto* bore = m_window->box(&EngineData::Bore);
    typeInto(bore, "4.1x");
    QTest::mouseClick(m_window->button(tolvaric::Calculation::Ratio), Qt::LeftButton);
    QTRY_COMPARE(m_prompts.messages.size(), 1);
    const auto& message = m_prompts.messages.front();
    QCOMPARE(message.title, "tolvaric");
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QVERIFY2(message.text.contains("Bore") && message.text.contains("\"4.1x\""),
             qPrintable(message.text));
    QCOMPARE(m_session.engine().Bore, 4.0);
    QCOMPARE(m_session.engine().Compression_Ratio, 10.0); // the click ran nothing
    QCOMPARE(m_window->box(&EngineData::Compression_Ratio)->text(), "10.00");
    QCOMPARE(focusedBox(), bore);
    QCOMPARE(bore->selectedText(), "4.1x");

    // Enter out of a box with letters comes back the same way.
    typeInto(bore, "");
    QTest::keyClick(bore, Qt::Key_Return);
    QTRY_COMPARE(m_prompts.messages.size(), 2);
    QCOMPARE(focusedBox(), bore);
    QCOMPARE(m_session.engine().Bore, 4.0);
}

// The reader's own table of units, as a message lists them.
static QString unitList(Quantity quantity) {
    QStringList names;
    for (const auto name : unitNames(quantity)) {
        names << QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    return names.join(", ");
}

void TestMainWindow::unreadableEntryMessages_data() {
    QTest::addColumn<int>("field"); // Stroke unless a row says
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    const int stroke = int(tolvaric::fieldIndex(&EngineData::Stroke));
    QTest::newRow("markup is text") << stroke << "<h1>BIG</h1>"
                                    << "\"<h1>BIG</h1>\" is not a number";
    QTest::newRow("too large") << stroke << "1e309"
                               << "\"1e309\" is too large for a number";
    QTest::newRow("a long entry is quoted in part")
        << stroke << QString(400, '7') + "x"
        << "\"" + QString(40, '7') + QChar(0x2026) + "\"";
    QTest::newRow("a unit of another field")
        << stroke << "64cc"
        << "\"64cc\" is not in a unit this field takes.\n"
           "The field keeps its previous value; type a number such as 4.125.\n"
           "It takes inches, or a unit: " +
               unitList(Quantity::Length) + " (for example 101.6 mm).";
    // Each kind of field has an example of its own.
    QTest::newRow("a volume") << int(tolvaric::fieldIndex(&EngineData::Dome_Volume)) << "x"
                              << "type a number such as 65.5.";
    QTest::newRow("an angle") << int(tolvaric::fieldIndex(&EngineData::Intake_Centerline)) << "x"
                              << "type a number such as 108.";
    QTest::newRow("the ratio") << int(tolvaric::fieldIndex(&EngineData::Compression_Ratio)) << "x"
                               << "type a number such as 10.5:1.";
}

void TestMainWindow::unreadableEntryMessages() {
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, said);
    typeInto(m_window->box(tolvaric::engineFields[std::size_t(field)].member), typed);
    QTest::mouseClick(m_window->button(tolvaric::Calculation::Volume), Qt::LeftButton);
    QTRY_COMPARE(m_prompts.messages.size(), 1);
    const auto text = m_prompts.messages.front().text;
    QVERIFY2(text.contains(said), qPrintable(text));
    for (const auto& line : text.split('\n')) {
        QVERIFY2(line.size() < 100, qPrintable(line)); // a message box of sensible width
    }
}

// Text dragged onto a box that does not have the focus is typed text: it is
// stored when the focus leaves the box, as typing is.
void TestMainWindow::droppedTextIsStored() {
    auto* bore = m_window->box(&EngineData::Bore);
    auto* stroke = m_window->box(&EngineData::Stroke);
    stroke->setFocus();
    QMimeData text;
    text.setText("12");
    const QPoint end(bore->width() - 2, bore->height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bore, &enter);
    QDropEvent drop(end, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bore, &drop);
    QCOMPARE(bore->text(), "4.00012");
    QCOMPARE(focusedBox(), bore);
    QTest::keyClick(bore, Qt::Key_Return);
    QCOMPARE(m_session.engine().Bore, 4.00012);
}

// A huge paste into the owner box is cut at what it holds, at once, and said.
void TestMainWindow::ownerPasteIsCut() {
    QApplication::clipboard()->setText(QString(10'000'000, 'W'));
    QElapsedTimer clock;
    clock.start();
    tolvaric::ownerBox(*m_window)->selectAll();
    tolvaric::ownerBox(*m_window)->paste();
    QCOMPARE(tolvaric::ownerBox(*m_window)->toPlainText().size(), 16384);
    // Milliseconds; a paste handled character by character would take minutes.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_prompts.messages.size(), 1);
    QVERIFY(m_prompts.messages.front().text.contains("16384"));
}

void TestMainWindow::switchingAwayDoesNotJudgeTheText() {
    auto* bore = m_window->box(&EngineData::Bore);
    typeInto(bore, "abc");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(bore, &away);
    QTest::qWait(10);
    QVERIFY(m_prompts.messages.isEmpty());
    QCOMPARE(m_session.engine().Bore, 4.0);
}

void TestMainWindow::enterAndEscapePressNoButton() {
    QSignalSpy requested(m_window.get(), &MainWindow::commandRequested);
    const EngineData before = m_session.engine();
    auto* centreline = m_window->box(&EngineData::Intake_Centerline);
    centreline->setFocus();
    QTest::keyClick(centreline, Qt::Key_Escape);
    QCOMPARE(focusedBox(), centreline);
    QTest::keyClick(centreline, Qt::Key_Return);
    QCOMPARE(focusedBox(), m_window->box(&EngineData::Compression_Ratio));
    QVERIFY(requested.isEmpty());
    QVERIFY(m_prompts.messages.isEmpty());
    QCOMPARE(m_session.engine().Compression_Ratio, before.Compression_Ratio);
}

void TestMainWindow::lockedBoxTakesNoTyping() {
    auto* pressure = m_window->box(&EngineData::Cylinder_Pressure);
    pressure->setFocus();
    QTest::keyClicks(pressure, "99x");
    QCOMPARE(pressure->text(), "150.0");
    QTest::keyClick(pressure, Qt::Key_Return);
    QCOMPARE(focusedBox(), m_window->box(&EngineData::Compression_Ratio));
    QCOMPARE(m_session.engine().Cylinder_Pressure, 150.0);
}

void TestMainWindow::hoverFiguresFollowTheRecord_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("ratioFigures");    // in the ratio box's hover text
    QTest::addColumn<QString>("pressureFigures"); // in the pressure box's
    QTest::addColumn<QString>("chamberFigures");  // in the chamber box's
    // The chamber for 10:1 is 76.01 cc: clearance 85.80 cc, dynamic ratio 6.80.
    QTest::newRow("a calculation") << "calculate"
                                   << "85.80 cc"
                                   << "6.80"
                                   << "85.80 cc";
    // No tolvaric.dat: Yes takes the sample engine the boxes show.
    QTest::newRow("Yes at start-up") << "start"
                                     << "94.80 cc"
                                     << "6.25"
                                     << "85.80 cc";
    // A file with a 4.100 in bore, and the bore 4.125 in typed: swept
    // volume grows with the bore's square, the needed clearance is a ninth.
    QTest::newRow("Fetch") << "fetch"
                           << "swept volume 811.32 cc, clearance volume 94.88 cc"
                           << "6.51"
                           << "90.15 cc";
    QTest::newRow("a stored value") << "store"
                                    << "swept volume 821.24 cc, clearance volume 94.90 cc"
                                    << "6.58"
                                    << "91.25 cc";
    // From a cam card, 9 BTDC and 55 ABDC at the seat: both boxes at once.
    QTest::newRow("a cam card") << "cam card"
                                << "clearance volume 94.80 cc"
                                << "closes 55.0\u00B0 after bottom dead centre; dynamic "
                                   "compression ratio 7.78"
                                << "85.80 cc";
}

// The result boxes' hover figures are the record's after each change of it.
void TestMainWindow::hoverFiguresFollowTheRecord() {
    QFETCH(QString, step);
    QFETCH(QString, ratioFigures);
    QFETCH(QString, pressureFigures);
    QFETCH(QString, chamberFigures);
    if (step == "calculate") {
        tolvaric::ownerBox(*m_window)->setFocus(); // leaving it stores nothing
        QTest::mouseClick(m_window->button(tolvaric::Calculation::Volume), Qt::LeftButton);
    } else if (step == "fetch") {
        ScratchFolder folder;
        QVERIFY(folder.enter());
        writeBytes("engine.dat", QByteArray(sampleFile()).replace(0, 1, "4.1"));
        m_prompts.chosenFile = QDir::current().absoluteFilePath("engine.dat");
        tolvaric::SessionCommands(*m_window, m_session, m_prompts, [] {
        }).run(tolvaric::Command::Fetch);
        folder.leave();
    } else if (step == "cam card") {
        m_prompts.camCard = tolvaric::SeatTiming{244, 113};
        m_window->findChild<QAction*>("camCard")->trigger();
        QCOMPARE(m_prompts.camCardStart.duration, 310.0); // the record's, to start from
        QCOMPARE(m_window->box(&EngineData::Intake_Seat_Duration)->text(), "244.0");
        QCOMPARE(m_window->box(&EngineData::Intake_Centerline)->text(), "113.0");
        QCOMPARE(m_session.engine().Intake_Centerline, 113.0);
    } else if (step == "store") {
        auto* bore = m_window->box(&EngineData::Bore);
        typeInto(bore, "4.125");
        QTest::keyClick(bore, Qt::Key_Return);
    } else {
        QTemporaryDir empty;
        const QString before = QDir::currentPath();
        QDir::setCurrent(empty.path());
        m_session.setEngine(EngineData{});
        m_window->showResultFigures(); // as a window shows them before start-up
        tolvaric::SessionCommands commands(*m_window, m_session, m_prompts, [] {});
        QVERIFY(commands.startUp());
        QDir::setCurrent(before);
    }
    const auto ratio = m_window->box(&EngineData::Compression_Ratio)->toolTip();
    const auto pressure = m_window->box(&EngineData::Cylinder_Pressure)->toolTip();
    const auto chamber = m_window->box(&EngineData::Combustion_Chamber_Volume)->toolTip();
    QVERIFY2(ratio.contains(ratioFigures), qPrintable(ratio));
    QVERIFY2(pressure.contains(pressureFigures), qPrintable(pressure));
    QVERIFY2(chamber.contains(chamberFigures), qPrintable(chamber));
    QCOMPARE(m_window->box(&EngineData::Cylinder_Pressure)->accessibleDescription(), pressure);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
