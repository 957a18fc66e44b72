// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The window "tolvaric". How a value travels:
//   typed text -> (box loses the focus) -> storeEntry -> the session's record
//   typed owner -> storeOwner -> the session's owner name
//   calculation button -> the session runs it -> result in the record -> its box
//   Save/Fetch/Help/Quit button -> commandRequested -> SessionCommands, which
//   does the file work through the session and shows the outcome through
//   the SessionView the window implements (Show_Engine_Data, showOwner,
//   showLogo); Quit writes the record and the owner to the default files.
// The session owns the record; the window only wires controls to commands.

#include "text/BuildChoiceText.h"
#include "text/FieldRows.h"
#include "ui/Command.h"
#include "ui/SessionView.h"
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
class Prompts;
class Session;

class MainWindow : public QWidget, public SessionView {
    Q_OBJECT
  public:
    // `units`: the record's own, or millimetres and bar (tolvaric --metric).
    MainWindow(Session& session, Prompts& prompts, const QLocale& locale = QLocale(),
               UnitSystem units = UnitSystem::Inch, QWidget* parent = nullptr);

    // What the session's commands show.
    void Show_Engine_Data() override;
    void showResultFigures() override;
    void showOwner(const QString& owner) override;
    void showLogo(const QImage& picture) override;
    QSize logoPixels() const override;
    QWidget* promptParent() override { return this; }

    FieldBox* box(double EngineData::*member) const { return m_boxes[fieldIndex(member)]; }
    ColorButton* button(ButtonAction action) const;
    // The owner box and the logo, for the tests (ui/MainWindow_p.h).
    friend QTextEdit* ownerBox(const MainWindow& window);
    friend QLabel* logo(const MainWindow& window);

  signals:
    // Save, Fetch, Help or Quit was clicked; the window runs the calculations itself.
    void commandRequested(tolvaric::Command command);

  private:
    void buildFieldRows();
    void buildButtons();
    void buildOtherControls();
    void setFocusOrder();
    // What the user typed reaches the session here, and only here.
    void storeEntry(FieldBox* box);
    void storeOwner();
    void reportUnreadableEntry();
    void runButton(ButtonAction action);
    void calculate(Calculation calculation);
    // "From a Cam Card...": both intake boxes at once, stored as typed.
    void enterFromCamCard();
    void showAndStore(double EngineData::*member, double value);
    // Ctrl+P: the engine sheet of what the window holds, to a printer or a PDF.
    void printSheet();

    Session& m_session;
    Prompts& m_prompts;
    QLocale m_locale;
    UnitSystem m_units;
    std::array<FieldBox*, fieldCount> m_boxes{};
    std::array<ColorButton*, layout::buttons.size()> m_buttons{};
    QTextEdit* m_owner = nullptr;
    QLabel* m_logo = nullptr;
    // A box whose text did not read as a number, until the user has been told.
    QPointer<FieldBox> m_unreadable;
    ChoiceTexts m_sheetChoices; // what Ctrl+P's sheet adds, as last accepted
};

} // namespace tolvaric
