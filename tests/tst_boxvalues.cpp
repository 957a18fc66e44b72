// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// What the boxes show and keep: a value looked at is never changed, the
// result boxes tell the figures behind them, the window in millimetres and
// bar, and numbers in other locales.

#include "model/CalculationCommand.h"
#include "tests/WindowTest.h"
#include "ui/ColorButton.h"
#include "ui/WindowLayout.h"

#include <QLabel>
#include <QRegularExpression>

using tolvaric::EngineData;
using tolvaric::MainWindow;

class TestBoxValues : public WindowTest {
    Q_OBJECT
  private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }
    void lookingAtABoxChangesNothing_data();
    void lookingAtABoxChangesNothing();
    void resultTips_data();
    void resultTips();
    void metricWindow_data();
    void metricWindow();
    void otherLocales_data();
    void otherLocales();
};

// The published metric four-cylinder: 87 x 67.4 mm, 36 cc, a 1.5 mm gasket.
static EngineData metricEngine() {
    EngineData e = tolvaric::initialEngineData();
    e.Bore = 87 / 25.4;
    e.Stroke = 67.4 / 25.4;
    e.Gasket_Bore = 88 / 25.4;
    e.Gasket_Thickness = 1.5 / 25.4;
    e.Deck_Clearance = 0.2 / 25.4;
    e.Rod_Length = 140.3 / 25.4;
    e.Combustion_Chamber_Volume = 36;
    e.Cylinder_Pressure = 151.237;
    return e;
}

void TestBoxValues::lookingAtABoxChangesNothing_data() {
    QTest::addColumn<QString>("steps"); // "enter": Enter through every box; "up": Up in
                                        // the pressure box; "volume": calculate, then Tab over it
    QTest::newRow("a metric engine, Enter through every box") << "enter";
    QTest::newRow("a pressure with more digits than its box shows") << "up";
    QTest::newRow("a calculated chamber volume, Tab over its box") << "volume";
}

// A box's text rounds its value; leaving a box nobody typed into must not
// put that rounding into the record.
void TestBoxValues::lookingAtABoxChangesNothing() {
    QFETCH(QString, steps);
    m_session.setEngine(metricEngine());
    m_window->Show_Engine_Data();
    const double ratio = m_session.calculate(tolvaric::ratioCommand).value;
    m_session.setEngine(metricEngine());
    if (steps == "enter") {
        auto* bore = m_window->box(&EngineData::Bore);
        bore->setFocus();
        for (std::size_t i = 0; i < tolvaric::fieldCount; ++i) {
            QTest::keyClick(focusedBox(), Qt::Key_Return);
        }
    } else if (steps == "up") {
        auto* pressure = m_window->box(&EngineData::Cylinder_Pressure);
        QCOMPARE(pressure->text(), "151.24");
        pressure->setFocus();
        QTest::keyClick(pressure, Qt::Key_Up);
    } else {
        QTest::mouseClick(m_window->button(tolvaric::Calculation::Volume), Qt::LeftButton);
        auto* chamber = m_window->box(&EngineData::Combustion_Chamber_Volume);
        const double exact = m_session.engine().Combustion_Chamber_Volume;
        QVERIFY(chamber->text() != QString::number(exact)); // the box rounds it
        chamber->setFocus();
        QTest::keyClick(chamber, Qt::Key_Tab);
        QCOMPARE(m_session.engine().Combustion_Chamber_Volume, exact);
        return;
    }
    QVERIFY(m_session.engine() == metricEngine()); // bit for bit
    QCOMPARE(m_session.calculate(tolvaric::ratioCommand).value, ratio);
}

void TestBoxValues::resultTips_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("said");
    // The sample engine, as the help's worked example works it out by hand.
    QTest::newRow("ratio: swept and clearance volume")
        << int(tolvaric::fieldIndex(&EngineData::Compression_Ratio))
        << "swept volume 772.22 cc, clearance volume 94.80 cc";
    QTest::newRow("chamber: the clearance the wanted ratio needs") // 772.22 / 9
        << int(tolvaric::fieldIndex(&EngineData::Combustion_Chamber_Volume)) << "85.80 cc";
    QTest::newRow("pressure: intake closing and the dynamic ratio")
        << int(tolvaric::fieldIndex(&EngineData::Cylinder_Pressure))
        << "closes 81.0\u00B0 after bottom dead centre; dynamic compression ratio 6.25";
}

// Hovering a result box tells the figures behind it, and a screen reader
// reads the same; the window does not change.
void TestBoxValues::resultTips() {
    QFETCH(int, field);
    QFETCH(QString, said);
    auto* box = m_window->box(tolvaric::engineFields[std::size_t(field)].member);
    const QString text = box->text();
    QVERIFY2(box->toolTip().contains(said), qPrintable(box->toolTip()));
    QCOMPARE(box->accessibleDescription(), box->toolTip());
    QCOMPARE(box->text(), text);
}

void TestBoxValues::metricWindow_data() {
    QTest::addColumn<QString>("typed"); // into Bore
    QTest::addColumn<double>("stored");
    QTest::newRow("a plain number is millimetres")
        << "86" << 430.0 / 127; // 86 / 25.4, rounded once
    QTest::newRow("a number in inches") << "4in" << 4.0;
    QTest::newRow("a number in inches, as a mark") << "3.75\"" << 3.75;
    QTest::newRow("the sample bore in millimetres") << "101.6" << 4.0;
    QTest::newRow("text is refused in millimetres") << "x" << 4.0;
}

// tolvaric --metric: lengths in millimetres, the pressure in bar, the files
// and the record in inches and psi as ever.
void TestBoxValues::metricWindow() {
    QFETCH(QString, typed);
    QFETCH(double, stored);
    MainWindow window(m_session, m_prompts, QLocale::c(), tolvaric::UnitSystem::Metric);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // It opens on the sample engine, in its own units, named by the labels;
    // the first box's text is selected, so typing replaces it.
    auto* bore = window.box(&EngineData::Bore);
    QCOMPARE(bore->text(), "101.60");
    QCOMPARE(bore->selectedText(), bore->text());
    QCOMPARE(window.box(&EngineData::Deck_Clearance)->text(), "0.13");
    QCOMPARE(window.box(&EngineData::Combustion_Chamber_Volume)->text(), "85.0");
    QCOMPARE(window.box(&EngineData::Cylinder_Pressure)->text(), "10.342");
    QCOMPARE(window.findChild<QLabel*>("LblBore")->text(), "Bore, mm:");
    QCOMPARE(window.findChild<QLabel*>("LblCylinder_Pressure")->text(), "Cylinder Pressure, bar:");
    QTest::mouseClick(window.button(tolvaric::Calculation::Pressure), Qt::LeftButton);
    QCOMPARE(window.box(&EngineData::Cylinder_Pressure)->text(), "7.802");
    // Every box at the window's type; every label and text fits its control
    // (where the platform has real fonts: Windows' offscreen one, which the
    // tests use under Wine, has none). CTest runs this at scale 2 as well.
    for (const auto* box : window.findChildren<tolvaric::FieldBox*>()) {
        QCOMPARE(box->font().pointSizeF(), tolvaric::layout::boxPointSize);
    }
#ifndef Q_OS_WIN
    for (const auto* label : window.findChildren<QLabel*>(QRegularExpression("^Lbl"))) {
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    }
    for (const auto member :
         {&EngineData::Bore, &EngineData::Rod_Length, &EngineData::Cylinder_Pressure}) {
        auto* box = window.box(member);
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= box->width() - 6,
                 qPrintable(box->text()));
    }
#endif
    typeInto(bore, typed);
    QTest::keyClick(bore, Qt::Key_Return);
    QVERIFY2(m_session.engine().Bore == stored,
             qPrintable(QString::number(m_session.engine().Bore, 'g', 17)));
    if (typed == "x") {
        QTRY_COMPARE(m_prompts.messages.size(), 1);
        QVERIFY2(m_prompts.messages.front().text.contains("such as 86.5.\nIt takes millimetres"),
                 qPrintable(m_prompts.messages.front().text));
    }
    // A length beyond what millimetres hold in a double still shows.
    auto huge = m_session.engine();
    huge.Bore = 1e308;
    m_session.setEngine(huge);
    window.Show_Engine_Data();
    QCOMPARE(bore->text(), "2.54000e+309");
}

void TestBoxValues::otherLocales_data() {
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

void TestBoxValues::otherLocales() {
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

QTEST_MAIN(TestBoxValues)
#include "tst_boxvalues.moc"
