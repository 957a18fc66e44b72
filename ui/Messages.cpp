// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Messages.h"

#include <QCoreApplication>

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

QString saveFailedText(const QString& path, const QString& reason, bool fileExisted) {
    QString text = tr("The engine was not saved to \"%1\":\n%2.").arg(path, reason);
    if (fileExisted) {
        text += QLatin1Char('\n') + tr("The file was left as it was.");
    }
    return text;
}

QString quitFailedText(const QString& problems) {
    return tr("Not everything could be kept for the next start:\n%1\n"
              "What was there before is unchanged.")
        .arg(problems);
}

} // namespace tolvaric
