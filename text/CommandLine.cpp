// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/CommandLine.h"

#include "storage/DataFiles.h"
#include "text/BuildChoiceText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <optional>
#include <utility>

namespace tolvaric {

namespace {

// The command line's translation context ("tolvaric::CommandLine").
class CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::CommandLine)
};

// The options besides the sheet's choices, which come from choiceWords.
enum class Option { Sheet, Format, Output, Metric, Help, Version, HelpViewer, InDocuments };

struct OptionRow {
    Option option;
    const char* names;       // blank-separated
    const char* description; // empty: the program's own, not listed
    const char* valueName;   // empty: a switch
    bool windowsOnly = false;
};

// Every other option the program knows, once.
constexpr std::array optionTable{
    OptionRow{Option::Sheet, "sheet",
              QT_TRANSLATE_NOOP(
                  "tolvaric::CommandLine",
                  "Write the engine sheet of each FILE.dat (tolvaric.dat when none is named) "
                  "and end."),
              ""},
    OptionRow{Option::Format, "format",
              QT_TRANSLATE_NOOP("tolvaric::CommandLine", "text (the default), csv, html or pdf."),
              QT_TRANSLATE_NOOP("tolvaric::CommandLine", "format")},
    OptionRow{Option::Output, "o output",
              QT_TRANSLATE_NOOP("tolvaric::CommandLine",
                                "Write to FILE instead of standard output (- is standard output)."),
              QT_TRANSLATE_NOOP("tolvaric::CommandLine", "FILE")},
    OptionRow{Option::Metric, "metric",
              QT_TRANSLATE_NOOP(
                  "tolvaric::CommandLine",
                  "Open the window with lengths in millimetres and the cylinder pressure in "
                  "bar. The files keep inches and psi."),
              ""},
    OptionRow{Option::Help, "h help",
              QT_TRANSLATE_NOOP("tolvaric::CommandLine", "Show this help and end."), ""},
    OptionRow{Option::Version, "v version",
              QT_TRANSLATE_NOOP("tolvaric::CommandLine", "Show the version and end."), ""},
    OptionRow{Option::HelpViewer, helpViewerOption + 2, "", ""}, // without its "--"
    OptionRow{Option::InDocuments, "in-documents", "", "", true},
};

// A row's place is its option's number, which indexes the parser's options.
constexpr bool inOptionOrder() {
    for (std::size_t i = 0; i < optionTable.size(); ++i) {
        if (static_cast<std::size_t>(optionTable[i].option) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inOptionOrder());

QString translated(const char* text) {
    return QCoreApplication::translate("tolvaric::CommandLine", text);
}

bool available(const OptionRow& row) {
#ifdef _WIN32
    (void)row;
    return true;
#else
    return !row.windowsOnly;
#endif
}

// The parser with every option of the tables: the others' in their order,
// the sheet's choices after --output.
struct Parser {
    QCommandLineParser parser;
    std::array<QCommandLineOption, optionTable.size()> options;
    std::array<QCommandLineOption, choiceWords.size()> choices;

    Parser()
        : options(makeOptions(std::make_index_sequence<optionTable.size()>())),
          choices(makeChoices(std::make_index_sequence<choiceWords.size()>())) {
        parser.setApplicationDescription(
            CommandLineText::tr("Compression ratio, chamber volume and cranking pressure for one "
                                "cylinder of a piston engine. Without options, the window."));
        for (std::size_t i = 0; i < optionTable.size(); ++i) {
            if (available(optionTable[i])) {
                parser.addOption(options[i]);
            }
            if (optionTable[i].option == Option::Output) {
                for (const auto& choice : choices) {
                    parser.addOption(choice);
                }
            }
        }
        parser.addPositionalArgument(CommandLineText::tr("FILE.dat"),
                                     CommandLineText::tr("Data files, side by side on one sheet."),
                                     CommandLineText::tr("[FILE.dat ...]"));
    }

    static QCommandLineOption make(const OptionRow& row) {
        QCommandLineOption option(QString::fromLatin1(row.names).split(QLatin1Char(' ')),
                                  translated(row.description));
        if (*row.valueName != '\0') {
            option.setValueName(translated(row.valueName));
        }
        if (*row.description == '\0') {
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        }
        return option;
    }
    template <std::size_t... Row>
    static std::array<QCommandLineOption, optionTable.size()>
    makeOptions(std::index_sequence<Row...> /*every row*/) {
        return {make(optionTable[Row])...};
    }
    static QCommandLineOption makeChoice(const ChoiceWords& words) {
        QCommandLineOption option(QString::fromLatin1(words.option),
                                  choiceText(words.choice, words.help));
        option.setValueName(choiceText(words.choice, words.valueName));
        return option;
    }
    template <std::size_t... Row>
    static std::array<QCommandLineOption, choiceWords.size()>
    makeChoices(std::index_sequence<Row...> /*every row*/) {
        return {makeChoice(choiceWords[Row])...};
    }
    const QCommandLineOption& operator[](Choice choice) const {
        return choices[static_cast<std::size_t>(choice)];
    }

    const QCommandLineOption& operator[](Option option) const {
        return options[static_cast<std::size_t>(option)];
    }
    bool isSet(Option option) const {
        return available(optionTable[static_cast<std::size_t>(option)]) &&
               parser.isSet((*this)[option]);
    }
};

CommandLine refused(const QString& why) {
    CommandLine line;
    line.mode = CommandLine::Mode::Refused;
    line.refusal = why + QLatin1Char(' ') + CommandLineText::tr("See tolvaric --help.");
    return line;
}

// The sheet's forms by the names --format takes, the default first.
constexpr std::array formats{
    std::pair{"text", SheetFormat::Text},
    std::pair{"csv", SheetFormat::Csv},
    std::pair{"html", SheetFormat::Html},
    std::pair{"pdf", SheetFormat::Pdf},
};

QString formatNames() {
    QStringList names;
    for (const auto& [text, format] : formats) {
        names << QLatin1String(text);
    }
    return names.join(QStringLiteral(", "));
}

std::optional<SheetFormat> formatNamed(const QString& name) {
    for (const auto& [text, format] : formats) {
        if (name == QLatin1String(text)) {
            return format;
        }
    }
    return std::nullopt;
}

CommandLine sheetLine(const Parser& p) {
    CommandLine line;
    line.mode = CommandLine::Mode::Sheet;
    const QString format = p.isSet(Option::Format) ? p.parser.value(p[Option::Format])
                                                   : QLatin1String(formats.front().first);
    const auto named = formatNamed(format);
    if (!named) {
        return refused(CommandLineText::tr("unknown format \"%1\"; use one of: %2.")
                           .arg(format, formatNames()));
    }
    line.sheet.format = *named;
    line.sheet.output = p.parser.value(p[Option::Output]);
    if (p.isSet(Option::Output) && line.sheet.output.isEmpty()) {
        return refused(CommandLineText::tr("-o takes a file name, or - for standard output."));
    }
    ChoiceTexts texts;
    for (const ChoiceWords& words : choiceWords) {
        const Choice choice = words.choice;
        texts[choice] = p.parser.value(p[choice]);
        if (p.parser.isSet(p[choice]) && texts[choice].trimmed().isEmpty()) {
            return refused(
                QStringLiteral("--%1: %2")
                    .arg(QLatin1String(words.option),
                         choiceRefusal(choice, ChoiceReading::Kind::NotANumber, texts[choice])));
        }
    }
    const auto read = readChoices(texts, QLocale::c());
    if (!read.ok()) {
        return refused(QStringLiteral("--%1: %2")
                           .arg(QLatin1String(wordsOf(read.refused).option), read.refusal));
    }
    line.sheet.choices = read.choices;
    line.sheet.files = p.parser.positionalArguments();
    if (line.sheet.files.isEmpty()) {
        line.sheet.files << defaultDataFile;
    }
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    Parser p;
    if (!p.parser.parse(arguments)) {
        return refused(p.parser.errorText());
    }
    if (p.isSet(Option::Help)) {
        CommandLine help;
        help.mode = CommandLine::Mode::Help;
        return help;
    }
    if (p.isSet(Option::Version)) {
        CommandLine version;
        version.mode = CommandLine::Mode::Version;
        return version;
    }
    // The program's own options come as it passes them: the help viewer's
    // alone, the Start-menu shortcut's alone or with --metric.
    const bool metric = p.isSet(Option::Metric);
    if (p.isSet(Option::HelpViewer)) {
        if (arguments.size() != 2) {
            return refused(CommandLineText::tr("--%1 takes nothing else with it.")
                               .arg(p[Option::HelpViewer].names().constFirst()));
        }
        CommandLine viewer;
        viewer.mode = CommandLine::Mode::HelpViewer;
        return viewer;
    }
    if (p.isSet(Option::InDocuments) && arguments.size() != (metric ? 3 : 2)) {
        return refused(CommandLineText::tr("--%1 takes nothing else with it.")
                           .arg(p[Option::InDocuments].names().constFirst()));
    }
    if (metric && p.isSet(Option::Sheet)) {
        return refused(
            CommandLineText::tr("--metric is for the window; the sheet shows both units."));
    }
    if (p.isSet(Option::Sheet)) {
        return sheetLine(p);
    }
    QStringList sheetOnly;
    for (const Option option : {Option::Format, Option::Output}) {
        if (p.isSet(option)) {
            sheetOnly << p[option].names().constLast();
        }
    }
    for (const ChoiceWords& words : choiceWords) {
        if (p.parser.isSet(p[words.choice])) {
            sheetOnly << QLatin1String(words.option);
        }
    }
    if (!sheetOnly.isEmpty()) {
        return refused(CommandLineText::tr("--%1 goes with --sheet.").arg(sheetOnly.constFirst()));
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        return refused(
            CommandLineText::tr("\"%1\" was not understood; data files go after --sheet.")
                .arg(p.parser.positionalArguments().constFirst()));
    }
    CommandLine window;
    window.inDocuments = p.isSet(Option::InDocuments);
    window.metric = metric;
    return window;
}

QString commandLineHelp() {
    return Parser().parser.helpText();
}

} // namespace tolvaric
