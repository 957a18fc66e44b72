// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The engine sheet's pages: every row of the figures on a page, the pages a
// PDF takes, and the preview that shows them before they are printed.

#include "model/SheetFigures.h"
#include "sheet/ChartDrawing.h"
#include "sheet/SheetRows.h"
#include "tests/SheetRun.h"
#include "ui/SheetOutput.h"
#include "ui/SheetPreview.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace tolvaric;

class TestSheetPages : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void pdfRows_data();
    void pdfRows();
    void pdfPages_data();
    void pdfPages();
    void previewBeforePrinting();
    void chartLabelsNeverOverlap_data();
    void chartLabelsNeverOverlap();
    void boostedCamLine();
    void gasketAxisFromItsEnds();

  private:
    ScratchFolder m_dir;
};

void TestSheetPages::init() {
    QVERIFY(m_dir.enter());
    writeSheetFiles();
}

void TestSheetPages::cleanup() {
    m_dir.leave();
}

namespace {

// The text the sheet's pages paint, page by page: a PDF writer's pages and
// resolution, with a paint engine that draws nothing and keeps the text
// and the size of each closed shape.
class TextRecorder : public QPaintEngine {
  public:
    explicit TextRecorder(QStringList& pages) : QPaintEngine(AllFeatures), m_pages(pages) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (mode != PolylineMode) {
            shapes << QPolygonF(QList<QPointF>(points, points + count)).boundingRect().size();
        }
    }
    void drawPath(const QPainterPath& path) override { shapes << path.boundingRect().size(); }
    void drawTextItem(const QPointF&, const QTextItem& item) override {
        m_pages.last() += item.text();
    }
    Type type() const override { return User; }
    QList<QSizeF> shapes;

  private:
    QStringList& m_pages;
};

class RecordedPages : public QPdfWriter {
  public:
    explicit RecordedPages(QIODevice* device) : QPdfWriter(device), m_engine(pages) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    bool newPage() override {
        pages.append(QString());
        return true;
    }
    QStringList pages{QString()};
    const QList<QSizeF>& shapes() const { return m_engine.shapes; }

  private:
    mutable TextRecorder m_engine;
};

} // namespace

void TestSheetPages::pdfRows_data() {
    QTest::addColumn<int>("engines");
    QTest::newRow("one engine") << 1;
    QTest::newRow("two engines") << 2;
    QTest::newRow("five engines") << 5;
    QTest::newRow("sixteen engines") << 16;
}

// Every row of the figures is on a page, with the cylinders, the altitude
// and the boost added: rows that do not fit go on a further page (the last
// ones were once cut off the page without a word).
void TestSheetPages::pdfRows() {
    QFETCH(int, engines);
    const QList<SheetEngine> sheets(engines, SheetEngine{"tolvaric.dat", "Q", initialEngineData()});
    SheetHeader header = todaysHeader();
    header.choices = {8, 6000, 8};
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    RecordedPages device(&output);
    device.setPageLayout(sheetPageLayout(engines, QLocale::c()));
    paintSheet(device, sheets, header, {});
    const QRegularExpression blanks("\\s", QRegularExpression::UseUnicodePropertiesOption);
    const QString painted = device.pages.join(QString()).remove(blanks);
    const auto rows = sheetRows(sheets, header, {});
    for (const auto& row : rows) {
        QVERIFY2(painted.contains(QString(row.label).remove(blanks)), qPrintable(row.label));
    }
    // As often as a section at the start: once for each group of engines.
    QCOMPARE(painted.count(QString(rows.last().label).remove(blanks)), painted.count("Volumes"));
    // The charts' markers: the engine as it is has a larger one on paper too
    // (4.5 against 2.5 from the centre, whatever the shape).
    QList<double> markers;
    for (const auto& size : device.shapes()) {
        if (size.width() > 0 && size.width() < 15) {
            markers << size.width();
        }
    }
    QVERIFY(!markers.isEmpty());
    const auto [smallest, largest] = std::minmax_element(markers.cbegin(), markers.cend());
    QVERIFY2(*largest > 1.6 * *smallest, qPrintable(QString("%1 %2").arg(*smallest).arg(*largest)));
}

static int pageCount(const QByteArray& pdf) {
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

void TestSheetPages::pdfPages_data() {
    QTest::addColumn<int>("engines");
    QTest::addColumn<int>("ownerLength"); // 0: the short name
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    QTest::newRow("one engine: its figures, then the charts") << 1 << 0 << 2 << 2;
    // The name is cut short on the page, so the figures stay on it.
    QTest::newRow("one engine, the longest owner") << 1 << 16384 << 2 << 2;
    // Engines that do not fit across go on further pages, none left out
    // (once ten were shown and the rest lost).
    QTest::newRow("sixteen engines side by side") << 16 << 0 << 3 << 18;
}

void TestSheetPages::pdfPages() {
    QFETCH(int, engines);
    QFETCH(int, ownerLength);
    QFETCH(int, fewest);
    QFETCH(int, most);
    if (ownerLength > 0) {
        writeBytes("owner", "\"" + QByteArray(ownerLength, 'W') + "\"\r\n");
    }
    QStringList arguments{"--sheet", "--format", "pdf", "-o", "sheet.pdf"};
    for (int i = 0; i < engines; ++i) {
        arguments << "tolvaric.dat";
    }
    QByteArray out;
    QByteArray err;
    QCOMPARE(run(arguments, out, err), 0);
    const QByteArray pdf = readBytes("sheet.pdf");
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY2(pageCount(pdf) >= fewest && pageCount(pdf) <= most,
             qPrintable(QString::number(pageCount(pdf))));
}

// Ctrl+P shows the pages first: they turn, zoom and fit the width, and
// Escape goes back with nothing printed.
void TestSheetPages::previewBeforePrinting() {
    const QList<SheetEngine> sheets{{"tolvaric.dat", "Q", initialEngineData()}};
    int pages = 0;
    int turnedTo = 0;
    bool zoomed = false;
    QTimer::singleShot(100, [&] {
        auto* preview = qobject_cast<SheetPreview*>(QApplication::activeModalWidget());
        QVERIFY(preview);
        // Its keys are the window's shortcuts, which wait for it to be active
        // (later on a loaded machine).
        QVERIFY(QTest::qWaitForWindowActive(preview));
        auto* shown = preview->pages();
        pages = shown->pageCount();
        QTest::keyClick(preview, Qt::Key_PageDown);
        turnedTo = shown->currentPage();
        const double fitted = shown->zoomFactor();
        QTest::keyClick(preview, Qt::Key_Plus, Qt::ControlModifier);
        zoomed = shown->zoomFactor() > fitted;
        QTest::keyClick(preview, Qt::Key_Escape);
    });
    QCOMPARE(printSheet(sheets, todaysHeader(), {}, "sheet.pdf", nullptr), QString());
    QCOMPARE(pages, 2); // the figures, then the charts
    QCOMPARE(turnedTo, 2);
    QVERIFY(zoomed);
    QVERIFY(!QFile::exists("sheet.pdf"));
}

namespace {

// What a chart draws where: each text's box as the PDF's type measures it,
// and each marker's.
class RecordingCanvas : public ChartCanvas {
  public:
    struct Box {
        QRectF area;
        QString what;
    };
    QList<Box> texts;
    QList<Box> markers;
    QList<QLineF> targets;
    QList<int> ownMarkers; // the engine of each large marker

    void rule(const QLineF&, bool) override {}
    void target(const QLineF& line) override { targets << line; }
    void series(const QList<QPointF>&, int) override {}
    void marker(const QPointF& at, int index, bool own) override {
        const double r = own ? 6 : 3.5; // the widest shape's reach
        markers.append({QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), QStringLiteral("marker")});
        if (own) {
            ownMarkers << index;
        }
    }
    void text(const QPointF& at, const QString& text, Anchor anchor, bool vertical,
              bool heading) override {
        QFont font;
        font.setPixelSize(int(chartTypePixels));
        font.setBold(heading);
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(text);
        const double shift = anchor == Anchor::Start    ? 0
                             : anchor == Anchor::Middle ? width / 2
                                                        : width;
        QRectF area(at.x() - shift, at.y() - metrics.ascent(), width, metrics.height());
        if (vertical) {
            area =
                QRectF(at.x() - metrics.ascent(), at.y() - width + shift, metrics.height(), width);
        }
        texts.append({area, text});
    }
};

} // namespace

void TestSheetPages::chartLabelsNeverOverlap_data() {
    QTest::addColumn<int>("engines");
    QTest::addColumn<double>("targetStep"); // between one engine's target and the next's
    QTest::newRow("one engine") << 1 << 0.0;
    QTest::newRow("two engines, targets close") << 2 << 0.05;
    QTest::newRow("five engines, targets close") << 5 << 0.02;
    QTest::newRow("six engines, the legend's last row full") << 6 << 0.5;
    QTest::newRow("sixteen engines, long names") << 16 << 0.1;
    // The thinnest gasket gives the highest ratio: a target on the chart's top edge.
    QTest::newRow("a target on the edge") << 2 << 0.0;
}

// No text of a chart covers another or a marker: the legend's names, its
// notes, the targets' labels, the ticks and the axes' words.
void TestSheetPages::chartLabelsNeverOverlap() {
    QFETCH(int, engines);
    QFETCH(double, targetStep);
    QFont font;
    font.setPixelSize(int(chartTypePixels));
    if (QFontMetricsF(font).horizontalAdvance("iiii") ==
        QFontMetricsF(font).horizontalAdvance("MMMM")) {
        QSKIP("no proportional font here to measure the charts' words with (Wine offscreen)");
    }
    QList<SheetEngine> sheets;
    for (int i = 0; i < engines; ++i) {
        auto engine = initialEngineData();
        engine.Compression_Ratio = 9.0 + i * targetStep;
        if (QTest::currentDataTag() == QByteArray("a target on the edge")) {
            engine.Compression_Ratio = i == 0 ? 9.44 : 8.43; // at 0.020 and at 0.080 in
        }
        sheets.append({QString("/home/builder/customers/engine-build-2024-cylinder-head-gasket-"
                               "0.0%1in.dat")
                           .arg(40 + i),
                       "Q", engine});
    }
    for (const auto& chart : sheetCharts(sheets)) {
        RecordingCanvas canvas;
        drawChart(chart, 640, canvas);
        // Each plot's targets drawn across it; each engine's own point marked
        // in each plot, and its marker in the legend.
        qsizetype targets = 0;
        QList<int> owners;
        for (const auto& plot : chart.plots) {
            targets += QSet<double>(plot.targets.cbegin(), plot.targets.cend()).size();
            for (int i = 0; i < plot.series.size(); ++i) {
                owners << i << (&plot == &chart.plots.front() ? i : -1);
            }
        }
        owners.removeAll(-1);
        std::sort(owners.begin(), owners.end());
        std::sort(canvas.ownMarkers.begin(), canvas.ownMarkers.end());
        QCOMPARE(canvas.targets.size(), targets);
        QCOMPARE(canvas.ownMarkers, owners);
        for (qsizetype a = 0; a < canvas.texts.size(); ++a) {
            const auto& one = canvas.texts[a];
            for (qsizetype b = a + 1; b < canvas.texts.size(); ++b) {
                QVERIFY2(!one.area.intersects(canvas.texts[b].area),
                         qPrintable(one.what + " | " + canvas.texts[b].what));
            }
            for (const auto& marker : canvas.markers) {
                QVERIFY2(!one.area.intersects(marker.area), qPrintable(one.what));
            }
        }
    }
}

// The boosted cam line at the cam as installed: the dynamic ratio x 22.7 /
// 14.7 at 8 psi (6.25 gives 9.65), and the cranking pressure the window's
// formula gives for that ratio, ratio^1.3 x 11.8 - 14.7.
void TestSheetPages::boostedCamLine() {
    BuildChoices choices;
    choices.boostPsi = 8;
    const auto engine = initialEngineData();
    const auto cam = sheetCharts({{"tolvaric.dat", "Q", engine}}, choices).front();
    QCOMPARE(cam.plots[0].series.size(), 2);
    const auto ratio = cam.plots[0].series[1].own;
    const auto pressure = cam.plots[1].series[1].own;
    QVERIFY(ratio && pressure);
    QVERIFY(std::abs(ratio->y() - sheetFigures(engine).dynamicRatio.value * 22.7 / 14.7) < 1e-9);
    QCOMPARE(qRound(ratio->y() * 100), 965);
    QVERIFY(std::abs(pressure->y() - (std::pow(ratio->y(), 1.3) * 11.8 - 14.7)) < 1e-9);
    QCOMPARE(cam.plots[0].series[1].mark, " (boost)");
}

// The gasket chart's axis runs from its first thickness, 0.020 in, on every
// system: MinGW's log10 once made it start at 0.010 on Windows.
void TestSheetPages::gasketAxisFromItsEnds() {
    const auto charts = sheetCharts({{"tolvaric.dat", "Q", initialEngineData()}});
    RecordingCanvas canvas;
    drawChart(charts.back(), 640, canvas);
    QStringList shown;
    for (const auto& text : canvas.texts) {
        shown << text.what;
    }
    QVERIFY2(shown.contains("0.020") && shown.contains("0.080") && !shown.contains("0.010") &&
                 !shown.contains("0.090"),
             qPrintable(shown.join(' ')));
}

QTEST_MAIN(TestSheetPages)
#include "tst_sheetpages.moc"
