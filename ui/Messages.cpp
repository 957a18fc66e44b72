// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Messages.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>

namespace tolvaric {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("tolvaric::Messages", text);
}

} // namespace

QString messageBoxTitle() {
    return tr("tolvaric");
}

Message messageFor(Outcome outcome) {
    if (outcome == Outcome::ClearanceWarning) {
        return {messageBoxTitle(), tr("There's something strange with the clearance volume"),
                MessageIcon::Exclamation};
    }
    if (outcome == Outcome::RatioWarning) {
        return {messageBoxTitle(), tr("Compression Ratio = 1 not allowed"),
                MessageIcon::Exclamation};
    }
    return {tr("Computation Error!"), tr("Check for complete data!"), MessageIcon::Critical};
}

QString dataErrorTitle() {
    return tr("Data Error!");
}

QString dataErrorText() {
    return tr("Something's amiss in the default data\r\n          PROCEED ANYWAY??");
}

QString unreadableEntryText(const QString& caption, const QString& entry, bool tooLarge,
                            const QString& example) {
    const QString problem =
        tooLarge ? tr("%1: \"%2\" is too large for a number.") : tr("%1: \"%2\" is not a number.");
    return problem.arg(caption, entry) + QLatin1Char('\n') +
           tr("The field keeps its previous value; type a number such as %1.").arg(example);
}

QString reasonText(const FileStatus& status) {
    switch (status.problem) {
    case FileProblem::None:
        return {};
    case FileProblem::NoName:
        return tr("no file name");
    case FileProblem::Folder:
        return tr("it is a folder");
    case FileProblem::NotRegularFile:
        return tr("it is not a regular file");
    case FileProblem::TooLarge:
        return tr("it is larger than tolvaric reads");
    case FileProblem::DiskFull:
        return tr("the disk is full");
    case FileProblem::OwnerTooLong:
        return tr("the owner's name is longer than the %1 MiB the file may hold")
            .arg(ownerFileLimit >> 20);
    case FileProblem::NoOwner:
        return tr("the file holds no owner name");
    case FileProblem::Content:
    case FileProblem::System:
        break;
    }
    return status.reason;
}

QString saveFailedText(const QString& path, const FileStatus& status, bool fileExisted) {
    QString text = tr("The engine was not saved to \"%1\":\n%2.").arg(path, reasonText(status));
    if (fileExisted) {
        text += QLatin1Char('\n') + tr("The file was left as it was.");
    }
    return text;
}

QString quitFailedText(const Session::Kept& kept) {
    QStringList lines;
    for (const auto& [name, status] :
         {std::pair{defaultDataFile, kept.data}, std::pair{ownerFile, kept.owner}}) {
        if (!status.ok) {
            lines.append(QStringLiteral("\"%1\": %2").arg(name, reasonText(status)));
        }
    }
    return tr("Not everything could be kept for the next start:\n%1\n"
              "What was there before is unchanged.")
        .arg(lines.join(QLatin1Char('\n')));
}

} // namespace tolvaric
