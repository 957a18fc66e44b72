// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/Session.h"
#include "tests/FakePrompts.h"
#include "text/FieldRows.h"
#include "ui/ColorButton.h"
#include "ui/FieldBox.h"
#include "ui/MainWindow.h"
#include "ui/ReadableText.h"
#include "ui/WindowLayout.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <memory>

using tolvaric::EngineData;
using tolvaric::FieldBox;
using tolvaric::MainWindow;
using tolvaric::MessageIcon;
using tolvaric::Quantity;
using tolvaric::Session;
using tolvaric::unitNames;
using Command = tolvaric::Command;

namespace {

// The box names in record order, from the window's one table of rows.
QStringList boxNames() {
    QStringList names;
    for (const auto& row : tolvaric::layout::fieldRows) {
        names.append(QString::fromUtf8(row.textBox.data(), qsizetype(row.textBox.size())));
    }
    return names;
}

QRect fromTwips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void windowOpensAsLaidOut();
    void scriptFace();
    void readableOnADarkDesktop();
    void wrappedCaptionFitsItsButton();
    void tabOrder();
    void navigation_data();
    void navigation();
    void heldKeys();
    void typedValueReachesTheRecordBeforeTheCommand();
    void leavingABoxStoresTheShownValue();
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
    void otherLocales_data();
    void otherLocales();

  private:
    void typeInto(FieldBox* box, const QString& text);
    FieldBox* focusedBox() const;

    Session m_session;
    FakePrompts m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::init() {
    m_session.setEngine(tolvaric::initialEngineData());
    m_prompts = FakePrompts();
    m_window = std::make_unique<MainWindow>(m_session, m_prompts, QLocale::c());
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup() {
    m_window.reset();
}

void TestMainWindow::typeInto(FieldBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    for (const QChar c : text) { // keyClicks knows only ASCII
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

FieldBox* TestMainWindow::focusedBox() const {
    return qobject_cast<FieldBox*>(QApplication::focusWidget());
}

// Every control against tests/data/controls.txt, written from the window's
// layout tables, not from the program's own.
void TestMainWindow::controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<double>("pointSize"); // -1: none
    QTest::addColumn<QColor>("colour");    // invalid: the desktop's standard one

    QFile reference(QFINDTESTDATA("data/controls.txt"));
    QVERIFY(reference.open(QIODevice::ReadOnly | QIODevice::Text));
    int rows = 0;
    while (!reference.atEnd()) {
        const QString line = QString::fromUtf8(reference.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QStringList item = line.split('|');
        QVERIFY2(item.size() == 9, qPrintable(line));
        const QStringList rgb = item[8].split(' ');
        const QColor colour =
            rgb.size() == 3 ? QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()) : QColor();
        QTest::addRow("%s", qPrintable(item[1]))
            << item[0] << item[1] << item[2]
            << fromTwips(item[3].toInt(), item[4].toInt(), item[5].toInt(), item[6].toInt())
            << (item[7] == "-" ? -1.0 : item[7].toDouble()) << colour;
        ++rows;
    }
    QCOMPARE(rows, 42);
}

void TestMainWindow::controls() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(double, pointSize);
    QFETCH(QColor, colour);

    auto* control = m_window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->geometry(), geometry);
    if (pointSize > 0) {
        QCOMPARE(control->font().pointSizeF(), pointSize);
        QCOMPARE(control->font().weight(), QFont::Bold);
        QVERIFY(!control->font().italic() && !control->font().underline());
    }
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        shown = label->text();
        if (colour.isValid()) {
            QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        }
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        shown = line->text();
    } else if (auto* button = qobject_cast<tolvaric::ColorButton*>(control)) {
        shown = button->text();
        QCOMPARE(button->face(), colour);
        // The face really is filled: sample the middle of its left margin.
        const QImage image = button->grab().toImage();
        QCOMPARE(image.pixelColor(4, image.height() / 2), colour);
    } else if (auto* edit = qobject_cast<QTextEdit*>(control)) {
        shown = edit->toPlainText();
    }
    QCOMPARE(shown, text);
    QCOMPARE(kind == "box", qobject_cast<QLineEdit*>(control) != nullptr);
    QCOMPARE(kind == "button", qobject_cast<tolvaric::ColorButton*>(control) != nullptr);
}

void TestMainWindow::windowOpensAsLaidOut() {
    QCOMPARE(m_window->size(), QSize(510, 400));
    QCOMPARE(m_window->windowTitle(),
             QString("Compression Ratio, etc.") + QString(12, ' ') + "A Little Help from Q.L.N.");
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(focusedBox(), m_window->box(&EngineData::Bore));
    QCOMPARE(m_window->findChildren<QLabel*>().size(), 18); // 17 labels and the picture box
    QCOMPARE(m_window->findChildren<QLineEdit*>().size(), 16);
    QCOMPARE(m_window->findChildren<QAbstractButton*>().size(), 7);
    QVERIFY(m_window->box(&EngineData::Cylinder_Pressure)->isReadOnly());
    QCOMPARE(m_window->ownerBox()->toolTip(), " Click here to change ");
    QCOMPARE(m_window->logo()->toolTip(), " See HELP to customize ");
    QVERIFY(m_window->logo()->hasScaledContents());
    QCOMPARE(m_window->findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
}

// "Distribute Freely" in its script face, or the stand-in, whatever the
// locale the program runs under (CTest runs this under Arabic too).
void TestMainWindow::scriptFace() {
    const QStringList faces{"ScriptS", "Z003", "URW Chancery L"};
    const auto installed = QFontDatabase::families();
    const bool any = std::any_of(installed.begin(), installed.end(), [&](const QString& name) {
        return faces.contains(name.section(" [", 0, 0), Qt::CaseInsensitive);
    });
    if (!any) {
        QSKIP("no script face is installed");
    }
    const QString face = QFontInfo(m_window->findChild<QLabel*>("Label1")->font()).family();
    QVERIFY2(faces.contains(face.section(" [", 0, 0), Qt::CaseInsensitive), qPrintable(face));
}

// On a dark desktop the text on the fixed backgrounds turns black where the
// desktop's light text would not stand out; the text boxes keep its colours.
void TestMainWindow::readableOnADarkDesktop() {
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    QApplication::setPalette(dark);
    MainWindow window(m_session, m_prompts, QLocale::c());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    QApplication::setPalette(desktop);

    for (auto* label : window.findChildren<QLabel*>(QRegularExpression("^Lbl"))) {
        const QPalette& palette = label->palette();
        QVERIFY2(tolvaric::contrastRatio(palette.color(QPalette::WindowText),
                                         palette.color(QPalette::Window)) >= 4.5,
                 qPrintable(label->objectName()));
    }
    const QPalette& owner = window.ownerBox()->palette();
    QVERIFY(tolvaric::contrastRatio(owner.color(QPalette::Text), owner.color(QPalette::Base)) >=
            4.5);
    QCOMPARE(window.box(&EngineData::Bore)->palette().color(QPalette::Base), QColor(25, 25, 25));
    // Each button's caption, read from the pixels: the most contrasting one
    // against the face.
    for (auto* button : window.findChildren<tolvaric::ColorButton*>()) {
        const QRect area = button->captionRect().translated(button->pos());
        const QColor face = shot.pixelColor(area.left() + 1, area.top() + 1);
        double best = 1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                best = std::max(best, tolvaric::contrastRatio(shot.pixelColor(x, y), face));
            }
        }
        QVERIFY2(best >= 4.5, qPrintable(button->objectName() + QString(": %1").arg(best)));
    }
}

void TestMainWindow::wrappedCaptionFitsItsButton() {
    auto* button = m_window->button(tolvaric::Calculation::Volume);
    const QString face = QFontInfo(button->font()).family();
    if (face != "Arial" && face != "Liberation Sans") {
        QSKIP(qPrintable("the caption is laid out for Arial; this system shows " + face));
    }
    const QFontMetrics metrics(button->font());
    const QRect area = button->captionRect();
    const QRect needed =
        metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
    QVERIFY2(area.contains(needed), qPrintable(QString("needs %1 x %2 in %3 x %4")
                                                   .arg(needed.width())
                                                   .arg(needed.height())
                                                   .arg(area.width())
                                                   .arg(area.height())));
    QVERIFY(needed.height() >= 2 * metrics.lineSpacing() - 1); // two lines
    QVERIFY(needed.height() < 3 * metrics.lineSpacing());
}

void TestMainWindow::tabOrder() {
    const QStringList forward = boxNames().mid(1, 13) +
                                QStringList{"CmdRatio", "CmdVolume", "CmdPressure", "CmdLoad",
                                            "CmdSave",  "CmdHelp",   "CmdQuit"} +
                                boxNames().mid(14) + QStringList{"TxtOwner", "TxtBore"};
    QStringList visited;
    for (int i = 0; i < forward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, forward);

    QStringList backward;
    for (int i = 0; i < forward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(backward,
             QStringList(forward.mid(forward.size() - 1) + forward.mid(0, forward.size() - 1)));
}

void TestMainWindow::navigation_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");

    // Enter, Down and Page Down go to the next box, Up and Page Up to the one
    // before; the ends stay put, except Enter in the last box, which goes back.
    const struct {
        Qt::Key key;
        const char* name;
        int step;
    } keys[] = {{Qt::Key_Return, "Enter", 1}, {Qt::Key_Enter, "keypad Enter", 1},
                {Qt::Key_Down, "Down", 1},    {Qt::Key_PageDown, "Page Down", 1},
                {Qt::Key_Up, "Up", -1},       {Qt::Key_PageUp, "Page Up", -1}};
    const Qt::KeyboardModifiers modifierSets[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                  Qt::ControlModifier, Qt::AltModifier};
    const char* modifierNames[] = {"", "Shift+", "Ctrl+", "Alt+"};
    for (int from = 0; from < 16; ++from) {
        for (const auto& key : keys) {
            for (int m = 0; m < 4; ++m) {
                if (m > 0 && from % 5 != 0 && from != 15) {
                    continue; // modifiers on a few boxes are enough
                }
                int to = from + key.step;
                if (to > 15) {
                    to = key.key == Qt::Key_Return || key.key == Qt::Key_Enter ? 14 : 15;
                }
                to = std::max(to, 0);
                QTest::addRow("%s%s in box %d", modifierNames[m], key.name, from + 1)
                    << from << int(key.key) << int(modifierSets[m]) << to;
            }
        }
    }
}

void TestMainWindow::navigation() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);

    auto* start = m_window->box(tolvaric::engineFields[std::size_t(from)].member);
    start->setFocus();
    const QString before = start->text();
    QTest::keyClick(start, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    auto* reached = m_window->box(tolvaric::engineFields[std::size_t(to)].member);
    QCOMPARE(focusedBox(), reached);
    QCOMPARE(start->text(), before); // the key itself typed nothing
    if (reached != start) {
        QCOMPARE(reached->selectedText(), reached->text()); // typing replaces the value
    }
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestMainWindow::heldKeys() {
    auto* bore = m_window->box(&EngineData::Bore);
    // A held Down repeats press and release; it moves once, at the real release.
    bore->setFocus();
    for (int i = 0; i < 3; ++i) {
        QTest::sendKeyEvent(QTest::Press, bore, Qt::Key_Down, QString(), Qt::NoModifier);
        QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(bore, &repeatRelease);
    }
    QCOMPARE(focusedBox(), bore);
    QTest::keyRelease(bore, Qt::Key_Down);
    QCOMPARE(focusedBox(), m_window->box(&EngineData::Stroke));

    // A held Enter moves on once per repeated character.
    bore->setFocus();
    for (int i = 0; i < 4; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", i > 0);
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
    QCOMPARE(focusedBox(), m_window->box(&EngineData::Gasket_Thickness));

    // Enter again and again runs through all sixteen, then swings between the last two.
    bore->setFocus();
    QStringList visited;
    for (int i = 0; i < 18; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited.mid(14), QStringList({"TxtCylinder_Pressure", "TxtCompression_Ratio",
                                           "TxtCylinder_Pressure", "TxtCompression_Ratio"}));
}

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
}

void TestMainWindow::leavingABoxStoresTheShownValue() {
    m_session.store(&EngineData::Cylinder_Pressure, 151.237);
    m_window->Show_Engine_Data();
    auto* pressure = m_window->box(&EngineData::Cylinder_Pressure);
    QCOMPARE(pressure->text(), "151.24");
    QCOMPARE(m_session.engine().Cylinder_Pressure, 151.237); // showing stores nothing
    pressure->setFocus();
    QTest::keyClick(pressure, Qt::Key_Up);
    QCOMPARE(m_session.engine().Cylinder_Pressure, 151.24);
    QCOMPARE(pressure->text(), "151.24");
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

    m_window->ownerBox()->setFocus(); // leaving it stores nothing in the record
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
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    QTest::newRow("markup is text") << "<h1>BIG</h1>"
                                    << "\"<h1>BIG</h1>\" is not a number";
    QTest::newRow("too large") << "1e309"
                               << "\"1e309\" is too large for a number";
    QTest::newRow("a long entry is quoted in part")
        << QString(400, '7') + "x"
        << "\"" + QString(40, '7') + QChar(0x2026) + "\"";
    QTest::newRow("a unit of another field")
        << "64cc"
        << "\"64cc\" is not in a unit this field takes.\n"
           "The field keeps its previous value; type a number such as 4.125.\n"
           "It takes inches, or a unit: " +
               unitList(Quantity::Length) + " (for example 101.6 mm).";
}

void TestMainWindow::unreadableEntryMessages() {
    QFETCH(QString, typed);
    QFETCH(QString, said);
    typeInto(m_window->box(&EngineData::Stroke), typed);
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
    m_window->ownerBox()->selectAll();
    m_window->ownerBox()->paste();
    QCOMPARE(m_window->ownerBox()->toPlainText().size(), 16384);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
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

void TestMainWindow::otherLocales_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("stroke");      // as shown at start
    QTest::addColumn<QString>("ratio");       // after Calculate Compression Ratio
    QTest::addColumn<QStringList>("typed");   // each reads as 4.125
    QTest::addColumn<QStringList>("negated"); // each reads as -4.125
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("example"); // in the message for the refused text

    // The initial texts stay as written; results use Latin digits and the
    // locale's separator; a point reads in every locale, a group separator never.
    // A minus reads as "-", U+2212 or the locale's own, with or without its marks.
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "3.750"
                            << "9,15" << QStringList{"4,125", "4.125", "104,775 mm"}
                            << QStringList{"-4,125", "\u22124,125"} << "1.234,5"
                            << "4,125";
    QTest::newRow("Arabic, Egypt")
        << QLocale(QLocale::Arabic, QLocale::Egypt) << "3.750"
        << "9\u066B15" << QStringList{"\u0664\u066B\u0661\u0662\u0665", "4\u066B125", "4.125"}
        << QStringList{"\u061C-\u0664\u066B\u0661\u0662\u0665", "\u22124.125"}
        << "\u0664\u066C\u0661\u0662\u0665"
        << "4\u066B125";
    QTest::newRow("Persian") << QLocale(QLocale::Persian, QLocale::Iran) << "3.750"
                             << "9\u066B15" << QStringList{"\u06F4\u066B\u06F1\u06F2\u06F5"}
                             << QStringList{"\u200E\u2212\u06F4\u066B\u06F1\u06F2\u06F5",
                                            "\u2212\u06F4\u066B\u06F1\u06F2\u06F5", "-4.125"}
                             << "4,125"
                             << "4\u066B125";
}

void TestMainWindow::otherLocales() {
    QFETCH(QLocale, locale);
    QFETCH(QString, stroke);
    QFETCH(QString, ratio);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, negated);
    QFETCH(QString, refused);
    QFETCH(QString, example);
    m_window.reset();
    MainWindow window(m_session, m_prompts, locale);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(window.box(&EngineData::Stroke)->text(), stroke);
    QTest::mouseClick(window.button(tolvaric::Calculation::Ratio), Qt::LeftButton);
    QCOMPARE(window.box(&EngineData::Compression_Ratio)->text(), ratio);
    QVERIFY(m_prompts.messages.isEmpty());

    auto* bore = window.box(&EngineData::Bore);
    for (const auto& text : typed) {
        m_session.store(&EngineData::Bore, 0);
        typeInto(bore, text);
        QTest::keyClick(bore, Qt::Key_Return);
        QCOMPARE(m_session.engine().Bore, 4.125);
    }
    for (const auto& text : negated) {
        m_session.store(&EngineData::Bore, 0);
        typeInto(bore, text);
        QTest::keyClick(bore, Qt::Key_Return);
        QCOMPARE(m_session.engine().Bore, -4.125);
    }
    typeInto(bore, refused);
    QTest::keyClick(bore, Qt::Key_Return);
    QTRY_COMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_session.engine().Bore, -4.125);
    QVERIFY(m_prompts.messages.front().text.contains(example));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
