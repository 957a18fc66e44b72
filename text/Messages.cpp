// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/Messages.h"

#include "storage/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace tolvaric {

QString messageBoxTitle() {
    return Messages::tr("tolvaric");
}

Message messageFor(Outcome outcome) {
    if (outcome == Outcome::ClearanceWarning) {
        return {messageBoxTitle(),
                Messages::tr("There's something strange with the clearance volume"),
                MessageIcon::Exclamation};
    }
    if (outcome == Outcome::RatioWarning) {
        return {messageBoxTitle(), Messages::tr("Compression Ratio = 1 not allowed"),
                MessageIcon::Exclamation};
    }
    return {Messages::tr("Computation Error!"), Messages::tr("Check for complete data!"),
            MessageIcon::Critical};
}

QString ratioFiguresText(const QString& swept, const QString& clearance) {
    return Messages::tr("Per cylinder: swept volume %1 cc, clearance volume %2 cc.")
        .arg(swept, clearance);
}

QString chamberFiguresText(const QString& clearance) {
    return Messages::tr("The Compression Ratio needs a clearance volume of %1 cc.").arg(clearance);
}

QString pressureFiguresText(const QString& closing, const QString& dynamicRatio) {
    return Messages::tr(
               "The intake closes %1\u00B0 after bottom dead centre; dynamic compression ratio %2.")
        .arg(closing, dynamicRatio);
}

QString dataErrorTitle() {
    return Messages::tr("Data Error!");
}

QString dataErrorText() {
    return Messages::tr("Something's amiss in the default data\r\n          PROCEED ANYWAY??");
}

QString fileRefusalText(FileRefusal refusal, const QString& path) {
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    switch (refusal) {
    case FileRefusal::None:
        break;
    case FileRefusal::NoFolder:
        return Messages::tr("The folder \"%1\" does not exist.").arg(folder);
    case FileRefusal::NotAFile:
        return Messages::tr("\"%1\" is not a file that can hold an engine.").arg(file.fileName());
    case FileRefusal::ReadOnlyFile:
        return Messages::tr("\"%1\" is read-only.\nChoose another name.").arg(file.fileName());
    case FileRefusal::ShutFolder:
        return Messages::tr("The folder \"%1\" is write-protected.\nChoose another folder.")
            .arg(folder);
    case FileRefusal::Missing:
        return Messages::tr("\"%1\" was not found.\nCheck the file name.").arg(file.fileName());
    }
    return {};
}

QString documentsFolderText(const QString& folder, DocumentsProblem problem,
                            const QString& reason) {
    const QString found = problem == DocumentsProblem::File ? Messages::tr("it is a file")
                          : problem == DocumentsProblem::System
                              ? reason
                              : Messages::tr("it could not be entered");
    return Messages::tr("tolvaric keeps its files in your Documents folder, \"%1\", which could "
                        "not be found or made: %2\nMake the folder, or start tolvaric from a "
                        "folder of your choice.")
        .arg(folder, found);
}

QString noDisplayText() {
    return Messages::tr("tolvaric: no display to open its window on; run it on a desktop, or set "
                        "DISPLAY (for example start Xvfb :99 and use DISPLAY=:99).");
}

QString noPrinterText() {
    return Messages::tr("No printer is set up on this computer.\nSave it as a PDF file instead?");
}

QString pdfFilesFilter() {
    return Messages::tr("PDF files (*.pdf)");
}

QString dataFileUnopenedText(const QString& file, const FileStatus& status) {
    // Yes would let Quit write over what is there: each case says how No
    // keeps it, in words that fit what was found.
    const QString name = QDir::toNativeSeparators(file);
    switch (status.problem) {
    case FileProblem::Folder:
        return Messages::tr("\"%1\" is a folder, not a file with an engine in it.\nYes starts "
                            "with the sample engine, which Quit cannot keep there; to keep the "
                            "values, answer No, rename or move that folder, and start tolvaric "
                            "again.")
            .arg(name);
    case FileProblem::NotRegularFile:
        return Messages::tr("\"%1\" is not a file but a pipe or a device, which holds no "
                            "engine.\nAnswer No, remove or rename it, and start tolvaric again; "
                            "Yes starts with the sample engine.")
            .arg(name);
    case FileProblem::TooLarge:
        return Messages::tr("\"%1\" is larger than tolvaric reads, so it holds no engine "
                            "tolvaric can use.\nQuit would write over it: to keep it, answer No, "
                            "move it away, and start tolvaric again.")
            .arg(name);
    case FileProblem::InUse:
        return Messages::tr("\"%1\" could not be opened: another program has it open.\nTo "
                            "keep the engine it holds, answer No, close that program, and start "
                            "tolvaric again.")
            .arg(name);
    default:
        break;
    }
    QString reason = reasonText(status);
    if (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return Messages::tr("\"%1\" could not be opened: %2.\nTo keep the engine it may hold, "
                        "answer No, mend that (let yourself read the file, for example), and "
                        "start tolvaric again.")
        .arg(name, reason);
}

QString reasonText(const FileStatus& status) {
    switch (status.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::NoName:
        return Messages::tr("no file name");
    case FileProblem::Folder:
        return Messages::tr("it is a folder");
    case FileProblem::NotRegularFile:
        return Messages::tr("it is not a regular file");
    case FileProblem::ReadOnly:
        return Messages::tr("it is read-only");
    case FileProblem::TooLarge:
        return Messages::tr("it is larger than tolvaric reads");
    case FileProblem::DiskFull:
        return Messages::tr("the disk is full");
    case FileProblem::InUse:
        return Messages::tr("it is in use by another program");
    case FileProblem::OwnerTooLong:
        return Messages::tr("the owner's name is longer than the %1 characters the file may hold")
            .arg(ownerTextLimit);
    case FileProblem::NoOwner:
        return Messages::tr("the file holds no owner name");
    case FileProblem::Content:
    case FileProblem::System:
        break;
    }
    return status.reason;
}

namespace {

// A write that failed: `lead` names what was not written where ("%1" the
// file), then the reason, then what became of a file that was there.
QString writeFailedText(const QString& lead, const QString& path, const FileStatus& status,
                        bool fileExisted) {
    // A system's reason may end with its own full stop.
    QString reason = reasonText(status);
    if (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    QString text = lead.arg(QDir::toNativeSeparators(path)) + QStringLiteral(":\n") + reason +
                   QLatin1Char('.');
    if (fileExisted) {
        text += QLatin1Char('\n') + (status.previousKept
                                         ? Messages::tr("The file was left as it was.")
                                         : Messages::tr("The file could not be put back "
                                                        "as it was."));
    }
    return text;
}

} // namespace

QString saveFailedText(const QString& path, const FileStatus& status, bool fileExisted) {
    return writeFailedText(Messages::tr("The engine was not saved to \"%1\""), path, status,
                           fileExisted);
}

QString ownerCutText() {
    return Messages::tr(
               "The owner's name can be at most %1 characters long; the pasted text was cut "
               "there.")
        .arg(ownerTextLimit);
}

QString printTargetRefusedText(const QString& path) {
    return Messages::tr("\"%1\" is not a regular file; Print to File writes only to a file.\n"
                        "Choose another name.")
        .arg(QDir::toNativeSeparators(path));
}

QString printTargetKeptText(const QString& path) {
    return Messages::tr("\"%1\" is a file tolvaric keeps its engine or owner in.\n"
                        "Choose another name.")
        .arg(QDir::toNativeSeparators(path));
}

QString printTargetExistsText(const QString& path) {
    return Messages::tr("\"%1\" already exists.\nDo you want to replace it?")
        .arg(QDir::toNativeSeparators(path));
}

QString printFailedText(const QString& path, const FileStatus& status, bool fileExisted) {
    return writeFailedText(Messages::tr("Nothing was printed to \"%1\""), path, status,
                           fileExisted);
}

QString printerFailedText() {
    return Messages::tr("The printer reported an error; the pages may not have been printed.");
}

QString helpFailedText() {
    return Messages::tr("The help could not be opened: tolvaric could not start its help viewer.");
}

QString quitFailedText(const Kept& kept) {
    QStringList lines;
    bool previousKept = true;
    for (const auto& [name, status] :
         {std::pair{defaultDataFile, kept.data}, std::pair{ownerFile, kept.owner}}) {
        if (!status.ok()) {
            lines.append(QStringLiteral("\"%1\": %2").arg(name, reasonText(status)));
            previousKept = previousKept && status.previousKept;
        }
    }
    return Messages::tr("Not everything could be kept for the next start:\n%1\n")
               .arg(lines.join(QLatin1Char('\n'))) +
           (previousKept ? Messages::tr("What was there before is unchanged.")
                         : Messages::tr("What was there before could not be put back."));
}

} // namespace tolvaric
