// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// tolvaric: compression ratio, chamber volume and cranking pressure for one
// cylinder of a piston engine.
//
// The command line is read once, before any application object: Qt gets
// the program's name alone, never an argument the user typed. Then one of
// the window, the help viewer, a sheet, or the help and version texts.

#include "resources/Version.h"
#include "sheet/SheetCommand.h"
#include "text/CommandLine.h"
#include "text/Messages.h"
#include "text/Translations.h"
#include "ui/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>

#ifdef _WIN32
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>

namespace {

// A descriptor 0, 1 or 2 left closed by whoever started the program would be
// taken by the next file opened (the X connection, a data file), and the
// first warning would be written into it: each one closed gets /dev/null.
// True when standard output was closed, where no sheet can go.
bool openClosedStandardStreams() {
    bool outputClosed = false;
#ifndef _WIN32
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            outputClosed = outputClosed || descriptor == STDOUT_FILENO;
            const int opened = open("/dev/null", O_RDWR);
            if (opened >= 0 && opened != descriptor) {
                close(opened); // not the lowest free one: leave it alone
            }
        }
    }
#endif
    return outputClosed;
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
// tolvaric in the Documents folder of whoever starts it, made as Windows
// makes it when it is missing. Never the folder the shortcut names, the
// installation's, where a user may not write: false, after saying why.
bool startInDocuments() {
#ifdef _WIN32
    PWSTR found = nullptr;
    const HRESULT result =
        SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &found);
    const QString documents = SUCCEEDED(result) ? QString::fromWCharArray(found) : QString();
    CoTaskMemFree(found);
    if (!documents.isEmpty() && QDir::setCurrent(documents)) {
        return true;
    }
    PWSTR named = nullptr;
    SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DONT_VERIFY, nullptr, &named);
    const QString folder = named ? QString::fromWCharArray(named) : QStringLiteral("Documents");
    CoTaskMemFree(named);
    // What was found there: Windows' own reason only when it gave one.
    const QFileInfo there(folder);
    const QString text = tolvaric::documentsFolderText(
        QDir::toNativeSeparators(folder),
        there.exists() && !there.isDir() ? tolvaric::DocumentsProblem::File
        : FAILED(result)                 ? tolvaric::DocumentsProblem::System
                                         : tolvaric::DocumentsProblem::NotEntered,
        qt_error_string(int(result & 0xFFFF)));
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.utf16()), L"tolvaric",
                MB_OK | MB_ICONEXCLAMATION);
    return false;
#else
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir::setCurrent(documents);
#endif
}

void writeToStandardOutput(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

// The text sheets need QtCore alone; a PDF lays its text out with fonts.
int runSheet(int& argc, char** argv, const tolvaric::SheetRequest& request, bool outputClosed) {
    if (request.format == tolvaric::SheetFormat::Pdf) {
        return tolvaric::runPdfSheet(argc, argv, request, outputClosed);
    }
    const QCoreApplication application(argc, argv);
    const tolvaric::Translations translations(request.format == tolvaric::SheetFormat::Csv
                                                  ? tolvaric::SheetLanguage::English
                                                  : tolvaric::SheetLanguage::Desktop);
    QCoreApplication::setApplicationName(tolvaric::productName);
    QCoreApplication::setApplicationVersion(tolvaric::productVersion);
    return tolvaric::runSheetOnStandardStreams(request, outputClosed);
}

} // namespace

int main(int argc, char* argv[]) {
    const bool outputClosed = openClosedStandardStreams();
    markRunning();
#ifdef _WIN32
    // The same bytes through ">" as with -o: no line ends added.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const QStringList arguments = tolvaric::argumentList(argc, argv);
    const auto commandLine = tolvaric::parseCommandLine(arguments);

    // What Qt sees: the program's name, nothing typed.
    char programName[] = "tolvaric";
    char* qtArguments[] = {programName, nullptr};
    int qtArgumentCount = 1;

    using Mode = tolvaric::CommandLine::Mode;
    switch (commandLine.mode) {
    case Mode::Refused: {
        // Texts are translated once an application object exists: the same
        // arguments read again give the refusal in the desktop's language.
        const QCoreApplication application(qtArgumentCount, qtArguments);
        const tolvaric::Translations translations;
        tolvaric::sayOnStandardError(tolvaric::parseCommandLine(arguments).refusal);
        return 2;
    }
    case Mode::Help:
    case Mode::Version: {
        const QCoreApplication application(qtArgumentCount, qtArguments);
        const tolvaric::Translations translations;
        writeToStandardOutput(commandLine.mode == Mode::Help
                                  ? tolvaric::commandLineHelp()
                                  : tolvaric::productName + u' ' + tolvaric::productVersion +
                                        u'\n');
        return 0;
    }
    case Mode::Sheet:
        return runSheet(qtArgumentCount, qtArguments, commandLine.sheet, outputClosed);
    case Mode::HelpViewer:
    case Mode::Window:
        break;
    }
    if (!displayAvailable()) {
        const QCoreApplication application(qtArgumentCount, qtArguments);
        const tolvaric::Translations translations;
        std::fputs(qPrintable(tolvaric::noDisplayText() + u'\n'), stderr);
        return 1;
    }
    if (commandLine.mode == Mode::HelpViewer) {
        return tolvaric::runHelpViewer(qtArgumentCount, qtArguments);
    }
    if (commandLine.inDocuments && !startInDocuments()) {
        return 1;
    }
    return tolvaric::runTolvaric(qtArgumentCount, qtArguments,
                                 commandLine.metric ? tolvaric::UnitSystem::Metric
                                                    : tolvaric::UnitSystem::Inch);
}
