// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The window as laid out: its controls against the layout tables, its
// faces and colours, the Tab order, and moving between the boxes by key.

#include "tests/WindowTest.h"
#include "text/FieldRows.h"
#include "ui/ColorButton.h"
#include "ui/MainWindow_p.h"
#include "ui/ReadableText.h"
#include "ui/WindowLayout.h"

#include <QFontDatabase>
#include <QLabel>
#include <QRegularExpression>
#include <QTextEdit>

using tolvaric::EngineData;
using tolvaric::FieldBox;
using tolvaric::MainWindow;
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
class TestWindowLayout : public WindowTest {
    Q_OBJECT
  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }
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
};

// Every control against tests/data/controls.txt, written from the window's
// layout tables, not from the program's own.
void TestWindowLayout::controls_data() {
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

void TestWindowLayout::controls() {
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

void TestWindowLayout::windowOpensAsLaidOut() {
    QCOMPARE(m_window->size(), QSize(510, 400));
    QCOMPARE(m_window->windowTitle(),
             QString("Compression Ratio, etc.") + QString(12, ' ') + "A Little Help from Q.L.N.");
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(focusedBox(), m_window->box(&EngineData::Bore));
    QCOMPARE(m_window->findChildren<QLabel*>().size(), 18); // 17 labels and the picture box
    QCOMPARE(m_window->findChildren<QLineEdit*>().size(), 16);
    QCOMPARE(m_window->findChildren<QAbstractButton*>().size(), 7);
    QVERIFY(m_window->box(&EngineData::Cylinder_Pressure)->isReadOnly());
    QCOMPARE(tolvaric::ownerBox(*m_window)->toolTip(), " Click here to change ");
    QCOMPARE(tolvaric::logo(*m_window)->toolTip(), " See HELP to customize ");
    QVERIFY(tolvaric::logo(*m_window)->hasScaledContents());
    QCOMPARE(m_window->findChild<QLabel*>("Label1")->palette().color(QPalette::WindowText),
             QColor(Qt::white));
}

// "Distribute Freely" in its script face, or the stand-in, whatever the
// locale the program runs under (CTest runs this under Arabic too).
void TestWindowLayout::scriptFace() {
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
void TestWindowLayout::readableOnADarkDesktop() {
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
    const QPalette& owner = tolvaric::ownerBox(window)->palette();
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

void TestWindowLayout::wrappedCaptionFitsItsButton() {
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

void TestWindowLayout::tabOrder() {
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

void TestWindowLayout::navigation_data() {
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

void TestWindowLayout::navigation() {
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

void TestWindowLayout::heldKeys() {
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

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
