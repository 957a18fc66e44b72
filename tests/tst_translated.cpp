// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The window in the desktop's language: German captions, buttons and
// messages that fit the fixed window's controls, and the English source
// unchanged where no translation applies. CTest runs it at scale 2 too.

#include "sheet/ChartDrawing.h"
#include "tests/WindowTest.h"
#include "text/Translations.h"
#include "ui/ColorButton.h"
#include "ui/HelpViewer.h"
#include "ui/MainWindow_p.h"
#include "ui/WindowLayout.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <QTextEdit>

using tolvaric::EngineData;
using tolvaric::MainWindow;

class TestTranslated : public WindowTest {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void windowInTheDesktopsLanguage_data();
    void windowInTheDesktopsLanguage();
};

void TestTranslated::windowInTheDesktopsLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("bore");     // its label
    QTest::addColumn<QString>("quit");     // the button
    QTest::addColumn<QString>("owner");    // the owner box's placeholder
    QTest::addColumn<QString>("refusal");  // part of the message for "x" in Bore
    QTest::addColumn<QString>("helpNote"); // above the English help; none in English
    const QString englishHelp = "Die Hilfe gibt es nur auf Englisch.";
    // clang-format off
    QTest::newRow("German") << "de_DE" << false << "Bohrung:" << "Beenden" << "Besitzer"
        << "Bohrung: „x“ ist keine Zahl." << englishHelp;
    QTest::newRow("German, metric") << "de_AT" << true << "Bohrung, mm:" << "Beenden" << "Besitzer"
        << "Es nimmt Millimeter an" << englishHelp;
    QTest::newRow("C: the English source") << "C" << false << "Bore:" << "Quit" << "Owner"
        << "Bore: \"x\" is not a number." << "";
    QTest::newRow("a language with no translation") << "fr_FR" << false << "Bore:" << "Quit"
        << "Owner" << "is not a number" << "";
    // clang-format on
}

void TestTranslated::windowInTheDesktopsLanguage() {
    QFETCH(QString, locale);
    QFETCH(bool, metric);
    QFETCH(QString, bore);
    QFETCH(QString, quit);
    QFETCH(QString, owner);
    QFETCH(QString, refusal);
    QFETCH(QString, helpNote);
    QLocale::setDefault(QLocale(locale));
    const tolvaric::Translations translations;
    m_prompts = FakePrompts();
    m_session.setEngine(tolvaric::initialEngineData());
    MainWindow window(m_session, m_prompts, QLocale(locale),
                      metric ? tolvaric::UnitSystem::Metric : tolvaric::UnitSystem::Inch);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.findChild<QLabel*>("LblBore")->text(), bore);
    QCOMPARE(window.findChild<tolvaric::ColorButton*>("CmdQuit")->text(), quit);
    QCOMPARE(tolvaric::ownerBox(window)->toPlainText(), owner);

    // Every caption, button and label at its laid-out size shows whole, at
    // the window's own type (where the platform has real fonts: Windows'
    // offscreen one, which the tests use under Wine, has none).
#ifndef Q_OS_WIN
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
    }
    for (const auto* button : window.findChildren<tolvaric::ColorButton*>()) {
        const QRect area = button->captionRect();
        const QRect needed = button->fontMetrics().boundingRect(
            area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        QVERIFY2(area.contains(needed), qPrintable(button->text()));
    }
    // The charts' y labels run along their plots, centred, reaching at most
    // halfway into the gaps beside them.
    for (const auto& chart : tolvaric::sheetCharts({{"tolvaric.dat", {}, m_session.engine()}})) {
        QFont type;
        type.setPixelSize(int(tolvaric::chartTypePixels));
        for (const auto& plot : chart.plots) {
            QVERIFY2(QFontMetricsF(type).horizontalAdvance(plot.yLabel) <=
                         tolvaric::chartPlotHeight + tolvaric::chartPlotGap,
                     qPrintable(plot.yLabel));
        }
    }
#endif

    auto* box = window.box(&EngineData::Bore);
    typeInto(box, "x");
    QTest::keyClick(box, Qt::Key_Tab);
    QTRY_COMPARE(m_prompts.messages.size(), 1);
    QVERIFY2(m_prompts.messages.front().text.contains(refusal),
             qPrintable(m_prompts.messages.front().text));

    const tolvaric::HelpViewer viewer;
    const auto* note = viewer.findChild<QLabel*>("languageNote");
    QCOMPARE(note ? note->text() : QString(), helpNote);
}

QTEST_MAIN(TestTranslated)
#include "tst_translated.moc"
