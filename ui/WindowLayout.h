// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Where everything sits in the window, in twips, and how it looks. The sixteen
// field rows come from the engine field table; the rest is listed here.

#include "ui/Command.h"

#include <QColor>
#include <QCoreApplication>
#include <QRect>

#include <array>

namespace tolvaric::layout {

// The texts are translated in the window's context ("tolvaric::MainWindow").
inline constexpr auto windowCaption = QT_TRANSLATE_NOOP(
    "tolvaric::MainWindow", "Compression Ratio, etc.            A Little Help from Q.L.N.");
inline constexpr int clientWidth = 7650;
inline constexpr int clientHeight = 6000;
inline const QColor grey(192, 192, 192);

// Field rows: a right-aligned label and its box, on the row's top.
inline constexpr int labelLeft = 60;
inline constexpr int labelWidth = 3555;
inline constexpr int boxLeft = 3660;
inline constexpr int boxWidth = 855;
inline constexpr int boxHeight = 360;
inline constexpr double labelPointSize = 12;
inline constexpr double boxPointSize = 9.75;
inline constexpr double buttonPointSize = 8.25;
inline constexpr double ownerPointSize = 15.75;
inline constexpr double distributePointSize = 9.75;

struct ButtonPlace {
    ButtonAction action;
    const char* name;
    const char* caption;
    int left, top, width, height;
    int red, green, blue;
};

// In focus order, which Tab follows after the fourteenth box.
inline constexpr std::array<ButtonPlace, 7> buttons{{
    {Calculation::Ratio, "CmdRatio",
     QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Calculate Compression Ratio"), 4740, 4620, 2775,
     375, 255, 128, 0},
    {Calculation::Volume, "CmdVolume",
     QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Calculate Required Combustion  Chamber Volume"),
     4740, 2100, 2775, 435, 255, 128, 0},
    {Calculation::Pressure, "CmdPressure",
     QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Calculate Cylinder Pressure"), 4740, 5100, 2775,
     375, 255, 128, 0},
    {Command::Fetch, "CmdLoad", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Fetch Old File"), 240,
     5580, 1575, 375, 0, 192, 0},
    {Command::Save, "CmdSave", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Save This"), 1920, 5580,
     1275, 375, 128, 128, 255},
    {Command::Help, "CmdHelp", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Help"), 3300, 5580, 855,
     375, 255, 0, 0},
    {Command::Quit, "CmdQuit", QT_TRANSLATE_NOOP("tolvaric::MainWindow", "Quit"), 6420, 5580, 1095,
     375, 255, 255, 0},
}};

inline constexpr QRect ownerTwips(4620, 540, 2955, 1215);
inline constexpr QRect imageTwips(4560, 2640, 3075, 1875);
inline constexpr QRect distributeTwips(4320, 5640, 1935, 255);

} // namespace tolvaric::layout
