// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Start-up, Save This, Fetch Old File, Help and Quit as the window sees them:
// the session does the file work; these ask the user through the prompts and
// show the outcome in the window.

#include "storage/Session.h"

#include <QObject>

#include <functional>

namespace tolvaric {

class MainWindow;
class Prompts;

class FileCommands : public QObject {
    Q_OBJECT
  public:
    FileCommands(MainWindow& window, Session& session, Prompts& prompts,
                 std::function<void()> endProgram);
    ~FileCommands() override;

    // Before the window is first shown. False when the user chose to end.
    bool startUp();
    void save();
    void fetch();
    void help();
    void quit();

  private:
    void loadLogo();

    MainWindow& m_window;
    Session& m_session;
    Prompts& m_prompts;
    std::function<void()> m_endProgram;
};

} // namespace tolvaric
