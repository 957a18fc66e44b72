// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Start-up, Save This, Fetch Old File, Help and Quit as the user meets them:
// the session does the file work; these ask the user through the prompts and
// show the outcome through the window's small view.

#include "storage/Session.h"
#include "ui/Command.h"

#include <QObject>

#include <functional>

namespace tolvaric {

class Prompts;
class SessionView;

class SessionCommands : public QObject {
    Q_OBJECT
  public:
    SessionCommands(SessionView& view, Session& session, Prompts& prompts,
                    std::function<void()> endProgram);

    // Before the window is first shown. False when the user chose to end.
    bool startUp();
    // Save, Fetch, Help or Quit, as the window asks for them.
    void run(Command command);
    void save();
    void fetch();
    void help();
    void quit();

  private:
    SessionView& m_view;
    Session& m_session;
    Prompts& m_prompts;
    std::function<void()> m_endProgram;
};

} // namespace tolvaric
