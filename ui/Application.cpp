// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Application.h"

#include "resources/Resources.h"
#include "resources/Version.h"
#include "sheet/SheetCommand.h"
#include "text/Translations.h"
#include "ui/HangWatch.h"
#include "ui/HelpViewer.h"
#include "ui/KeyRepeat.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"
#include "ui/RasterPicture.h"
#include "ui/SessionCommands.h"
#include "ui/SheetOutput.h"
#include "ui/WindowGone.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QTemporaryDir>

#include <optional>

#include <cstdio>
#include <cstdlib>

namespace tolvaric {

namespace {

// What the window and the help viewer share: names, resources and the icon.
void setUpWindows() {
    QCoreApplication::setApplicationName(productName);
    QCoreApplication::setApplicationVersion(productVersion);
    initResources();
    QIcon icon;
    for (const char* size : {"16", "32"}) {
        icon.addPixmap(QPixmap::fromImage(readOwnPicture(
            QStringLiteral(":/icons/tolvaric-") + QLatin1String(size) + QStringLiteral(".png"),
            "png")));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace

int runTolvaric(int& argc, char** argv, UnitSystem units,
                const std::function<void(QWidget&)>& shown) {
    QApplication application(argc, argv);
    const Translations translations;
    setUpWindows();
    QApplication::setOrganizationName(productName);
    askForDetectableAutoRepeat();

    QtPrompts prompts;
    // The session holds the run's one engine record and the owner's name:
    // all zeros at start, never reset. The window and the commands use it.
    Session session;
    MainWindow window(session, prompts, QLocale(), units);
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
    const Translations translations;
    setUpWindows();
    // A page that holds the loop for this long is not coming back.
    const HangWatch watch(std::chrono::seconds(20), [] { std::_Exit(3); });
    HelpViewer viewer;
    viewer.answerContentsRequests();
    viewer.showHelp();
    viewer.show();
    return QApplication::exec();
}

int runPdfSheet(int& argc, char** argv, const SheetRequest& request, bool outputClosed) {
    // A PDF lays its text out with fonts, which need a GUI but no display;
    // Windows always has its desktop, and its installer ships no other.
#ifndef _WIN32
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a runtime folder and would make /tmp/runtime-$USER for good:
    // a sheet leaves nothing behind but itself.
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        if (runtime->isValid()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
        }
    }
#endif
    // Qt's notes on the desktop it would draw on (no XDG_RUNTIME_DIR, say)
    // are not the sheet's business: the command reports its own failures.
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fputs(qPrintable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
            }
        });
    QGuiApplication application(argc, argv);
    const Translations translations;
    QCoreApplication::setApplicationName(productName);
    QCoreApplication::setApplicationVersion(productVersion);
    return runSheetOnStandardStreams(
        request, outputClosed,
        [](const QList<SheetEngine>& engines, const SheetHeader& header,
           const SheetSettings& settings) { return sheetPdf(engines, header, settings); });
}

} // namespace tolvaric
