// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Every message box and file dialog the window shows goes through here, so
// that tests can answer them without a person.

#include "model/CamCard.h"
#include "text/BuildChoiceText.h"
#include "text/Message.h"

#include <QString>

#include <optional>

class QWidget;

namespace tolvaric {

enum class FileChoice { Save, Open };

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual void inform(QWidget* parent, const QString& title, const QString& text,
                        MessageIcon icon) = 0;
    // The data-error question; true to go on, false to end the program.
    // `detail`, when given, says which file could not be opened and why.
    virtual bool proceedAfterDataError(QWidget* parent, const QString& detail) = 0;
    // The chosen file's full path, or an empty text when cancelled.
    virtual QString chooseDataFile(QWidget* parent, FileChoice choice) = 0;
    // Starts the help viewer as a program of its own, which the calculator
    // never waits for or stops; false when it could not start.
    virtual bool startHelpViewer() = 0;
    // When the viewer this window started last is still open, asks it to
    // come to the front on its contents page and gives true.
    virtual bool showOpenHelpViewer() = 0;
    // The seat timing a cam card's intake events come to, starting from
    // `current`; nothing when cancelled.
    virtual std::optional<SeatTiming> askCamCard(QWidget* parent, SeatTiming current,
                                                 const QLocale& locale) = 0;
    // What the printed sheet adds (the cylinders, the altitude, the boost),
    // as accepted; nothing when cancelled. Every text given back reads.
    virtual std::optional<ChoiceTexts> askSheetChoices(QWidget* parent, const ChoiceTexts& texts,
                                                       const QLocale& locale) = 0;

    void inform(QWidget* parent, const Message& message);
};

} // namespace tolvaric
