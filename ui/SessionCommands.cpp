// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/SessionCommands.h"

#include "storage/DataFiles.h"
#include "storage/FileStatus.h"
#include "text/Messages.h"
#include "ui/Logo.h"
#include "ui/Prompts.h"
#include "ui/SessionView.h"

#include <QFileInfo>

namespace tolvaric {

SessionCommands::SessionCommands(SessionView& view, Session& session, Prompts& prompts,
                                 std::function<void()> endProgram)
    : m_view(view), m_session(session), m_prompts(prompts), m_endProgram(std::move(endProgram)) {}

bool SessionCommands::startUp() {
    m_view.showLogo(readLogo(logoFile, m_view.logoPixels()));
    const auto status = m_session.startUp();
    // A file that is there but could not be opened (another program holds
    // it, or it may not be read) is named with the reason, so that No can
    // keep its engine for a later start; bad data in it is not.
    const bool unopened =
        status.problem != FileProblem::Content && QFileInfo::exists(defaultDataFile);
    if (status.ok()) {
        m_view.Show_Engine_Data();
    } else if (m_prompts.proceedAfterDataError(
                   m_view.promptParent(),
                   unopened ? dataFileUnopenedText(defaultDataFile, status) : QString())) {
        m_session.proceedWithInitialValues(); // what the boxes show
        m_view.showResultFigures();
    } else {
        return false;
    }
    m_view.showOwner(m_session.owner());
    return true;
}

void SessionCommands::run(Command command) {
    switch (command) {
    case Command::Save:
        return save();
    case Command::Fetch:
        return fetch();
    case Command::Help:
        return help();
    case Command::Quit:
        return quit();
    }
}

void SessionCommands::save() {
    QWidget* parent = m_view.promptParent();
    const QString path = m_prompts.chooseDataFile(parent, FileChoice::Save);
    if (path.isEmpty()) {
        return; // cancelled
    }
    const bool existed = QFileInfo(path).isFile();
    if (const auto status = m_session.save(path); !status.ok()) {
        m_prompts.inform(parent, messageBoxTitle(), saveFailedText(path, status, existed),
                         MessageIcon::Exclamation);
    }
}

void SessionCommands::fetch() {
    QWidget* parent = m_view.promptParent();
    const QString path = m_prompts.chooseDataFile(parent, FileChoice::Open);
    if (!path.isEmpty() && m_session.fetch(path).ok()) {
        m_view.Show_Engine_Data();
        return;
    }
    // Cancel and an unreadable file alike; the record is as it was.
    if (!m_prompts.proceedAfterDataError(parent, {})) {
        m_endProgram();
    }
}

void SessionCommands::help() {
    // A viewer of its own: whatever a document does to it, the calculator
    // and its values are not touched, and it outlives Quit. One at a time
    // from a window: while it is open, Help brings it back on its contents.
    if (m_prompts.showOpenHelpViewer()) {
        return;
    }
    if (!m_prompts.startHelpViewer()) {
        m_prompts.inform(m_view.promptParent(), messageBoxTitle(), helpFailedText(),
                         MessageIcon::Exclamation);
    }
}

void SessionCommands::quit() {
    if (const auto kept = m_session.keepForNextStart(); !kept.ok()) {
        m_prompts.inform(m_view.promptParent(), messageBoxTitle(), quitFailedText(kept),
                         MessageIcon::Exclamation);
    }
    m_endProgram();
}

} // namespace tolvaric
