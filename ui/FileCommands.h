// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Start-up, Save This, Fetch Old File, Help and Quit: the commands that move
// the record to and from files, asking the user through the prompts.

#include "EngineData.h"
#include "HelpViewer.h"
#include "WindowLayout.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace tolvaric {

class MainWindow;
class Prompts;

class FileCommands : public QObject {
    Q_OBJECT
  public:
    FileCommands(MainWindow& window, EngineData& engine, Prompts& prompts,
                 std::function<void()> endProgram);
    ~FileCommands() override;

    // Before the window is first shown. False when the user chose to end.
    bool startUp();
    void save();
    void fetch();
    void help();
    void quit();
    void run(Command command);

    HelpViewer* helpViewer() const { return m_help; }

  private:
    void loadLogo();

    MainWindow& m_window;
    EngineData& m_engine;
    Prompts& m_prompts;
    std::function<void()> m_endProgram;
    QPointer<HelpViewer> m_help;
};

} // namespace tolvaric
