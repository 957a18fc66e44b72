// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The window "tolvaric". How a value travels:
//   typed text -> (box loses the focus) -> the record's field
//   button -> command over the record -> result in the record -> its box
//   start-up reads the default files into the record and the boxes;
//   Save/Fetch move the record to and from a data file; Quit writes the
//   record and the owner's name to the default files and ends.
// The window only wires controls to commands and shows their outcome.

#include "model/EngineData.h"
#include "ui/Commands.h"
#include "ui/FieldRows.h"
#include "ui/WindowLayout.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QTextEdit;

namespace tolvaric {

class ColorButton;
class FieldBox;
class FileCommands;
class Prompts;

// A field row's caption, as the user reads it ("Bore:"), and the field's
// name without the colon, as messages and screen readers say it ("Bore").
QString caption(const layout::FieldRow& row);
QString fieldName(const layout::FieldRow& row);

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow(EngineData& engine, Prompts& prompts, const QLocale& locale = QLocale(),
               QWidget* parent = nullptr);

    // Fills all sixteen boxes from the record with their display pictures.
    void Show_Engine_Data();

    FieldBox* box(double EngineData::*member) const { return m_boxes[fieldIndex(member)]; }
    ColorButton* button(Command command) const;
    QTextEdit* ownerBox() const { return m_owner; }
    QLabel* logo() const { return m_logo; }
    const QLocale& numberLocale() const { return m_locale; }

    void calculate(const CalculationCommand& command);

    // Save, Fetch, Help and Quit; the window runs the calculations itself.
    void setFileCommands(FileCommands* commands) { m_fileCommands = commands; }

  signals:
    // A button's command is about to run.
    void commandStarted(tolvaric::Command command);

  private:
    void buildFieldRows();
    void buildButtons();
    void buildOtherControls();
    void setFocusOrder();
    void storeEntry(FieldBox* box);
    void reportUnreadableEntry();
    void runCommand(Command command);
    void runFileCommand(void (FileCommands::*command)());

    EngineData& m_engine;
    Prompts& m_prompts;
    QLocale m_locale;
    std::array<FieldBox*, fieldCount> m_boxes{};
    std::array<ColorButton*, layout::buttons.size()> m_buttons{};
    QTextEdit* m_owner = nullptr;
    FileCommands* m_fileCommands = nullptr;
    QLabel* m_logo = nullptr;
    // A box whose text did not read as a number, until the user has been told.
    QPointer<FieldBox> m_unreadable;
};

} // namespace tolvaric
