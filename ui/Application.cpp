// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Application.h"

#include "resources/Resources.h"
#include "resources/Version.h"
#include "ui/HelpViewer.h"
#include "ui/KeyRepeat.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/SessionCommands.h"
#include "ui/WindowGone.h"

#include <QApplication>
#include <QIcon>

namespace tolvaric {

namespace {

QIcon programIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tolvaric-16.png"));
    icon.addFile(QStringLiteral(":/icons/tolvaric-32.png"));
    return icon;
}

} // namespace

int runTolvaric(int& argc, char** argv, const std::function<void(QWidget&)>& shown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(productName);
    QApplication::setApplicationVersion(productVersion);
    QApplication::setOrganizationName(productName);
    initResources();
    askForDetectableAutoRepeat();

    QApplication::setWindowIcon(programIcon());

    QtPrompts prompts;
    // The session holds the run's one engine record and the owner's name:
    // all zeros at start, never reset. The window and the commands use it.
    Session session;
    MainWindow window(session, prompts);
    SessionCommands commands(window, session, prompts, [] { QApplication::exit(0); });
    QObject::connect(&window, &MainWindow::commandRequested, &commands, &SessionCommands::run);
    if (!commands.startUp()) {
        return 0; // No on the data-error question: no window, nothing written
    }
    window.show();
    // Destroyed from outside, the window ends the program as a close does.
    const WindowGone gone(window, [] { QApplication::exit(0); });
    if (shown) {
        shown(window);
    }
    return QApplication::exec();
}

int runHelpViewer(int& argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(productName);
    QApplication::setApplicationVersion(productVersion);
    initResources();
    QApplication::setWindowIcon(programIcon());
    HelpViewer viewer;
    const auto folders = helpSearchFolders();
    viewer.showContents(findHelpDocument(helpDocumentName, folders), folders);
    viewer.show();
    return QApplication::exec();
}

} // namespace tolvaric
