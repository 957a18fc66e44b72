// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/SheetCommand.h"

#include "storage/FileName.h"

#include "sheet/Sheet.h"
#include "storage/DataFiles.h"
#include "storage/OutputFile.h"
#include "storage/RegularFile.h"
#include "text/Messages.h"
#include "text/TerminalText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <optional>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace tolvaric {

namespace {

// The sheet command's translation context ("tolvaric::SheetCommand").
class SheetCommand {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::SheetCommand)
};

// One line on standard error: the program's name first, control characters
// shown, not sent.
QByteArray errorLine(const QString& line) {
    return (QStringLiteral("tolvaric: ") + terminalText(line) + QLatin1Char('\n')).toUtf8();
}

void say(QIODevice& device, const QString& line) {
    device.write(errorLine(line));
}

// Why the sheet may not go to `target`; empty when it may.
QString targetRefusal(const OutputFile& target, const QString& name) {
    switch (target.refusal()) {
    case OutputRefusal::None:
        break;
    case OutputRefusal::KeptFile:
        return SheetCommand::tr("%1: the sheet would replace a data file").arg(shownPath(name));
    case OutputRefusal::NameNotKept:
        return SheetCommand::tr("%1: a name ending in a dot or a blank is not kept as written")
            .arg(shownPath(name));
    case OutputRefusal::NotAPlainName:
        return SheetCommand::tr("%1: give a plain file name or path, without a stream (:) or "
                                "a \\\\?\\ prefix")
            .arg(shownPath(name));
    }
    return {};
}

QByteArray sheetBytes(const SheetRequest& request, const QList<SheetEngine>& engines,
                      const PdfWriter& writePdf) {
    SheetHeader header = todaysHeader();
    header.choices = request.choices;
    // Figures with the desktop's decimal separator, as the window shows
    // them; the CSV keeps the point, for programs.
    SheetSettings settings;
    settings.point = QLocale().decimalPoint();
    switch (request.format) {
    case SheetFormat::Csv:
        return sheetCsv(engines, header).toUtf8();
    case SheetFormat::Html:
        return sheetHtml(engines, header, settings).toUtf8();
    case SheetFormat::Pdf:
        return writePdf ? writePdf(engines, header, settings) : QByteArray();
    case SheetFormat::Text:
        break;
    }
    return sheetText(engines, header, settings).toUtf8();
}

} // namespace

int runSheetCommand(const SheetRequest& request, const StandardOutput& out, QIODevice& err,
                    const PdfWriter& writePdf) {
    const bool toStandardOutput = request.output.isEmpty() || request.output == QLatin1String("-");
    if (toStandardOutput && out.closed) {
        say(err, SheetCommand::tr("standard output is closed; name a file with -o FILE"));
        return 2;
    }
    if (request.format == SheetFormat::Pdf && toStandardOutput && out.isTerminal) {
        say(err, SheetCommand::tr("a PDF goes to a file: name it with -o FILE"));
        return 2;
    }
    // The sheet never takes the place of an engine or its owner: the target
    // is checked once, here, and written through what was checked.
    std::optional<OutputFile> target;
    if (!toStandardOutput) {
        target.emplace(request.output, request.files);
        if (const QString refusal = targetRefusal(*target, request.output); !refusal.isEmpty()) {
            say(err, refusal);
            return 2;
        }
    }

    int status = 0;
    QList<SheetEngine> engines;
    for (const auto& file : request.files) {
        SheetEngine sheet{file, {}, {}};
        OwnerReading owner;
        if (const auto read = readEngineAndOwner(file, sheet.engine, owner); !read.ok()) {
            say(err, shownPath(file) + QStringLiteral(": ") + reasonText(read));
            status = 2;
            continue;
        }
        sheet.owner = owner.name;
        if (!owner.unread.ok()) {
            say(err, SheetCommand::tr("%1: the owner could not be read: %2")
                         .arg(shownPath(ownerFileBeside(file)), reasonText(owner.unread)));
            status = 2;
        }
        engines.append(sheet);
    }
    if (engines.isEmpty()) {
        return status;
    }

    const QByteArray bytes = sheetBytes(request, engines, writePdf);
    if (bytes.isEmpty()) {
        say(err, SheetCommand::tr("the sheet could not be laid out"));
        return 2;
    }
    if (toStandardOutput) {
        if (out.device.write(bytes) != bytes.size()) {
            say(err, SheetCommand::tr("the sheet could not be written: %1")
                         .arg(out.device.errorString()));
            return 2;
        }
        return status;
    }
    if (const auto written = target->write(bytes); !written.ok()) {
        say(err, shownPath(request.output) + QStringLiteral(": ") + reasonText(written));
        return 2;
    }
    return status;
}

int runSheetOnStandardStreams(const SheetRequest& request, bool outputClosed,
                              const PdfWriter& writePdf) {
    QFile out;
    QFile err;
    // The descriptors themselves, so that a failed write shows at once and
    // not in a C library buffer flushed at exit.
    out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered);
    return runSheetCommand(request, {out, isatty(fileno(stdout)) != 0, outputClosed}, err,
                           writePdf);
}

void sayOnStandardError(const QString& line) {
    const QByteArray bytes = errorLine(line);
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace tolvaric
