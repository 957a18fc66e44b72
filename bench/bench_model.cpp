// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// How long one click's worth of math, one formatted box text, one typed
// value with its unit and the figures of one engine sheet take.
#include "model/Calculations.h"
#include "model/DisplayPicture.h"
#include "model/SheetFigures.h"
#include "model/TypedValue.h"

#include <benchmark/benchmark.h>

namespace {

void compressionRatio(benchmark::State& state) {
    const auto engine = tolvaric::initialEngineData();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::compressionRatio(engine));
    }
}
BENCHMARK(compressionRatio);

void requiredChamberVolume(benchmark::State& state) {
    const auto engine = tolvaric::initialEngineData();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::requiredChamberVolume(engine));
    }
}
BENCHMARK(requiredChamberVolume);

void cylinderPressure(benchmark::State& state) {
    const auto engine = tolvaric::initialEngineData();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::cylinderPressure(engine));
    }
}
BENCHMARK(cylinderPressure);

void formatOneValue(benchmark::State& state) {
    double value = 113.15258865374494;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(
            tolvaric::formatPicture(value, tolvaric::Picture::TwoDecimalsWide, ","));
    }
}
BENCHMARK(formatOneValue);

void readValueWithUnit(benchmark::State& state) {
    std::string_view text = "86.5 mm";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(tolvaric::readTypedValue(text, tolvaric::Quantity::Length));
    }
}
BENCHMARK(readValueWithUnit);

void sheetFiguresOfOneEngine(benchmark::State& state) {
    const auto engine = tolvaric::initialEngineData();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tolvaric::sheetFigures(engine));
    }
}
BENCHMARK(sheetFiguresOfOneEngine);

} // namespace
