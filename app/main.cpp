// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// tolvaric: compression ratio, chamber volume and cranking pressure for one
// cylinder of a piston engine.

#include "app/GuiModule.h"
#include "resources/Version.h"
#include "text/SheetCommand.h"
#include "ui/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>
#include <QStringList>
#include <QtGlobal>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A descriptor 0, 1 or 2 left closed by whoever started the program would be
// taken by the next file opened (the X connection, a data file), and the
// first warning would be written into it: each one closed gets /dev/null.
void openClosedStandardStreams() {
#ifndef _WIN32
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            const int opened = open("/dev/null", O_RDWR);
            if (opened >= 0 && opened != descriptor) {
                close(opened); // not the lowest free one: leave it alone
            }
        }
    }
#endif
}

// Without a display Qt would abort with a long message; say it in one line.
// Windows always has its desktop.
bool displayAvailable() {
#ifdef _WIN32
    return true;
#else
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

// The installer and uninstaller look for this while they replace or remove
// the program's files; the system drops it when the program ends.
void markRunning() {
#ifdef _WIN32
    CreateMutexW(nullptr, FALSE, L"tolvaric-running");
#endif
}

// The Start-menu shortcut is the same for every user of a PC: it starts
// tolvaric in the Documents folder of whoever starts it.
void startInDocuments() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty()) {
        QDir::setCurrent(documents);
    }
}

// The folder of this program's file, before there is an application
// object to ask.
QString programFolder() {
#ifdef _WIN32
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    return QFileInfo(QString::fromWCharArray(path.data(), int(length))).absolutePath();
#else
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
#endif
}

// Runs `role` from the GUI module: beside the program in the build folder
// and on Windows, in the package's private library folder once installed.
int runGuiModule(int& argc, char** argv, tolvaric::GuiRole role) {
    const QString folder = programFolder();
    const QString beside = folder + QStringLiteral("/" TOLVARIC_GUI_MODULE_FILE);
    QLibrary module(
        QFileInfo::exists(beside)
            ? beside
            : QDir::cleanPath(folder + QStringLiteral("/" TOLVARIC_GUI_MODULE_INSTALLED)));
    const auto entry =
        reinterpret_cast<tolvaric::GuiModuleEntry>(module.resolve(tolvaric::guiModuleEntryName));
    if (entry == nullptr) {
        std::fprintf(stderr,
                     "tolvaric: the module of its window, help and PDF sheets could not be "
                     "loaded (%s); install tolvaric again.\n",
                     qUtf8Printable(module.errorString()));
        return 1;
    }
    return entry(&argc, argv, static_cast<int>(role));
}

// The text sheets, --help and --version need QtCore alone.
int runCommandLine(int& argc, char** argv, const QStringList& arguments) {
    if (tolvaric::sheetNeedsGui(arguments)) {
        return runGuiModule(argc, argv, tolvaric::GuiRole::PdfSheet);
    }
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(tolvaric::productName);
    QCoreApplication::setApplicationVersion(tolvaric::productVersion);
    return tolvaric::runSheetCommand(arguments);
}

} // namespace

int main(int argc, char* argv[]) {
    openClosedStandardStreams();
    markRunning();
    const QStringList arguments = tolvaric::argumentList(argc, argv);
    if (tolvaric::wantsCommandLine(arguments)) {
        return runCommandLine(argc, argv, arguments);
    }
    if (!displayAvailable()) {
        std::fputs("tolvaric: no display to open its window on; run it on a desktop, or set "
                   "DISPLAY (for example start Xvfb :99 and use DISPLAY=:99).\n",
                   stderr);
        return 1;
    }
    if (argc == 2 && std::strcmp(argv[1], tolvaric::helpViewerOption) == 0) {
        return runGuiModule(argc, argv, tolvaric::GuiRole::HelpViewer);
    }
    if (argc == 2 && std::strcmp(argv[1], "--in-documents") == 0) {
        startInDocuments();
    }
    return runGuiModule(argc, argv, tolvaric::GuiRole::Window);
}
