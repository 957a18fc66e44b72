// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The engine sheet of the sample engine as text and HTML (with its charts
// and without them: the charts should not take more than the rest), a PDF
// of ten engines side by side with the charts (which a user waits for: it
// should take well under a second), and one engine's preview against its
// PDF (the preview is on screen within 0.5 s of OK, and within twice the
// PDF's time).
#include "sheet/Sheet.h"
#include "ui/SheetOutput.h"
#include "ui/SheetPreview.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <benchmark/benchmark.h>

namespace {

QList<tolvaric::SheetEngine> engines(int count) {
    return QList<tolvaric::SheetEngine>(
        count,
        {QStringLiteral("tolvaric.dat"), QStringLiteral("Owner"), tolvaric::initialEngineData()});
}

void textSheet(benchmark::State& state) {
    const auto one = engines(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::sheetText(one, tolvaric::todaysHeader()));
    }
}
BENCHMARK(textSheet);

void htmlSheet(benchmark::State& state) {
    const auto one = engines(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::sheetHtml(one, tolvaric::todaysHeader()));
    }
}
BENCHMARK(htmlSheet);

void htmlSheetWithoutCharts(benchmark::State& state) {
    const auto one = engines(1);
    tolvaric::SheetSettings settings;
    settings.charts = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::sheetHtml(one, tolvaric::todaysHeader(), settings));
    }
}
BENCHMARK(htmlSheetWithoutCharts);

// With a boost the cam chart has a line more an engine: against the sheet
// without charts, it should still cost no more than twice as much.
void htmlSheetWithBoost(benchmark::State& state) {
    const auto one = engines(1);
    auto header = tolvaric::todaysHeader();
    header.choices.boostPsi = 8;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::sheetHtml(one, header));
    }
}
BENCHMARK(htmlSheetWithBoost);

void pdfOfTenEngines(benchmark::State& state) {
    const auto ten = engines(10);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::sheetPdf(ten, tolvaric::todaysHeader()));
    }
}
BENCHMARK(pdfOfTenEngines)->Unit(benchmark::kMillisecond);

void pdfOfOneEngine(benchmark::State& state) {
    const auto one = engines(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::sheetPdf(one, tolvaric::todaysHeader()));
    }
}
BENCHMARK(pdfOfOneEngine)->Unit(benchmark::kMillisecond);

// The preview's pages made, as Ctrl+P's OK makes them.
void previewOfOneEngine(benchmark::State& state) {
    const auto one = engines(1);
    const auto header = tolvaric::todaysHeader();
    for (auto _ : state) {
        QPrinter printer;
        tolvaric::SheetPreview preview(printer, [&](QPagedPaintDevice& device) {
            tolvaric::paintSheet(device, one, header, {});
        });
        preview.pages()->updatePreview();
        benchmark::DoNotOptimize(preview.pages()->pageCount());
    }
}
BENCHMARK(previewOfOneEngine)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
