// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/SheetCommand.h"

#include "resources/Version.h"
#include "storage/Session.h"
#include "text/Messages.h"
#include "text/Sheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace tolvaric {

namespace {

// The command line's translation context ("tolvaric::SheetCommand").
class SheetCommand {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::SheetCommand)
};

const QString sheetOption = QStringLiteral("sheet");
const QString formatOption = QStringLiteral("format");
const QString outputOption = QStringLiteral("output");

struct Options {
    QCommandLineOption sheet{sheetOption,
                             SheetCommand::tr("Write the engine sheet of each FILE.dat "
                                              "(tolvaric.dat when none is named) and end.")};
    QCommandLineOption format{formatOption,
                              SheetCommand::tr("text (the default), csv, html or pdf."),
                              SheetCommand::tr("format"), QStringLiteral("text")};
    QCommandLineOption output{{QStringLiteral("o"), outputOption},
                              SheetCommand::tr("Write to FILE instead of standard output."),
                              SheetCommand::tr("FILE")};
};

void prepare(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(
        SheetCommand::tr("Compression ratio, chamber volume and cranking pressure for one "
                         "cylinder of a piston engine. Without options, the window."));
    parser.addOption(options.sheet);
    parser.addOption(options.format);
    parser.addOption(options.output);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(SheetCommand::tr("FILE.dat"),
                                 SheetCommand::tr("Data files, side by side on one sheet."),
                                 SheetCommand::tr("[FILE.dat ...]"));
}

void say(QIODevice& device, const QString& line) {
    device.write((line + QLatin1Char('\n')).toUtf8());
}

QString oneLine(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

bool wantsCommandLine(const QStringList& arguments) {
    for (const auto& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--sheet") || argument == QLatin1String("--help") ||
            argument == QLatin1String("-h") || argument == QLatin1String("--help-all") ||
            argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            return true;
        }
    }
    return false;
}

bool sheetNeedsGui(const QStringList& arguments) {
    QCommandLineParser parser;
    const Options options;
    prepare(parser, options);
    parser.parse(arguments);
    return parser.value(options.format) == QLatin1String("pdf");
}

int runSheetCommand(const QStringList& arguments, QIODevice& out, QIODevice& err,
                    bool outIsTerminal, const PdfWriter& writePdf) {
    QCommandLineParser parser;
    const Options options;
    prepare(parser, options);
    const QString program = QStringLiteral("tolvaric");
    if (!parser.parse(arguments)) {
        say(err, program + QStringLiteral(": ") + parser.errorText());
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out.write(parser.helpText().toUtf8());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        say(out, program + QLatin1Char(' ') + productVersion);
        return 0;
    }
    const QString format = parser.value(options.format);
    if (!QStringList{QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("html"),
                     QStringLiteral("pdf")}
             .contains(format)) {
        say(err,
            program + QStringLiteral(": ") +
                SheetCommand::tr("unknown format \"%1\"; use text, csv, html or pdf").arg(format));
        return 2;
    }
    QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        files << defaultDataFile;
    }
    const QString target = parser.value(options.output);
    if (format == QLatin1String("pdf") && target.isEmpty() && outIsTerminal) {
        say(err, program + QStringLiteral(": ") +
                     SheetCommand::tr("a PDF goes to a file: name it with -o FILE"));
        return 2;
    }
    // The sheet never takes the place of an engine.
    for (const auto& file : files) {
        if (!target.isEmpty() &&
            QFileInfo(target).absoluteFilePath() == QFileInfo(file).absoluteFilePath()) {
            say(err, program + QStringLiteral(": ") +
                         SheetCommand::tr("%1: the sheet would replace a data file")
                             .arg(QDir::toNativeSeparators(target)));
            return 2;
        }
    }

    int status = 0;
    QList<SheetEngine> engines;
    for (const auto& file : files) {
        SheetEngine engine;
        if (const auto read = readSheetEngine(file, engine); !read.ok()) {
            say(err, program + QStringLiteral(": ") + QDir::toNativeSeparators(file) +
                         QStringLiteral(": ") + oneLine(reasonText(read)));
            status = 2;
            continue;
        }
        engines.append(engine);
    }
    if (engines.isEmpty()) {
        return status;
    }

    const SheetHeader header = todaysHeader();
    QFile file(target);
    QIODevice* output = &out;
    if (!target.isEmpty()) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            say(err, program + QStringLiteral(": ") + QDir::toNativeSeparators(target) +
                         QStringLiteral(": ") + file.errorString());
            return 2;
        }
        output = &file;
    }
    const QString point = QStringLiteral(".");
    bool written = true;
    if (format == QLatin1String("pdf")) {
        written =
            writePdf && writePdf(sheetHtml(engines, header, point), *output, int(engines.size()));
    } else {
        const QString text = format == QLatin1String("csv")    ? sheetCsv(engines, header)
                             : format == QLatin1String("html") ? sheetHtml(engines, header, point)
                                                               : sheetText(engines, header, point);
        const QByteArray bytes = text.toUtf8();
        written = output->write(bytes) == bytes.size();
    }
    if (!written) {
        say(err,
            program + QStringLiteral(": ") + SheetCommand::tr("the sheet could not be written"));
        return 2;
    }
    return status;
}

int runSheetCommand(const QStringList& arguments, const PdfWriter& writePdf) {
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return runSheetCommand(arguments, out, err, isatty(fileno(stdout)) != 0, writePdf);
}

} // namespace tolvaric
