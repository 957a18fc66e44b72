// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Every text the window, the help viewer, the file dialog, the message
// boxes, the sheet and the command line show is in the translation file under the context it is
// looked up in: a translator that knows only the file's texts marks each one it translates, and
// every text shown must carry the mark.

#include "sheet/SheetRows.h"
#include "storage/Session.h"
#include "tests/FakePrompts.h"
#include "text/CommandLine.h"
#include "text/EntryMessages.h"
#include "text/HelpPages.h"
#include "text/Messages.h"
#include "ui/ColorButton.h"
#include "ui/HelpViewer.h"
#include "ui/MainWindow.h"
#include "ui/QtPrompts.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace tolvaric;

namespace {

const QString mark = QStringLiteral("\u27E6");

class MarkingTranslator : public QTranslator {
  public:
    explicit MarkingTranslator(QSet<QString> known) : m_known(std::move(known)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString key =
            QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source);
        return m_known.contains(key) ? mark + QString::fromUtf8(source) : QString();
    }

  private:
    QSet<QString> m_known;
};

// A <source>, where lupdate writes a control character as <byte value="xd"/>.
QString sourceText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toInt(nullptr, 16));
        } else if (xml.isEndElement() && xml.name() == QLatin1String("source")) {
            break;
        }
    }
    return text;
}

// "context|source" of every message in the translation file.
QSet<QString> textsOf(const QString& path) {
    QFile file(path);
    QSet<QString> texts;
    if (!file.open(QIODevice::ReadOnly)) {
        return texts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
            texts.insert(context + QLatin1Char('|') + sourceText(xml));
        }
    }
    return xml.hasError() ? QSet<QString>() : texts;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void everyTextShownIsCollected();

  private:
    std::unique_ptr<MarkingTranslator> m_translator;
};

void TestTranslations::initTestCase() {
    const auto texts = textsOf(QFINDTESTDATA("../translations/tolvaric_en.ts"));
    QVERIFY(texts.size() > 50);
    m_translator = std::make_unique<MarkingTranslator>(texts);
    QCoreApplication::installTranslator(m_translator.get());
}

// Every text a person meets on a widget and on everything in it: its text
// (not a box's typed value), title, tip, placeholder and accessible names.
void collectShown(const QWidget& top, QStringList& shown) {
    QList<const QObject*> objects{&top};
    for (const auto* child : top.findChildren<QObject*>()) {
        objects << child;
    }
    for (const auto* object : objects) {
        for (const char* property : {"text", "windowTitle", "toolTip", "placeholderText",
                                     "accessibleName", "accessibleDescription", "title"}) {
            if (qstrcmp(property, "text") == 0 && object->inherits("QLineEdit")) {
                continue; // a value, not a text of the program's
            }
            const QString text = object->property(property).toString();
            if (!text.isEmpty() && !object->objectName().startsWith("qt_")) {
                shown << object->objectName() + ": " + text;
            }
        }
    }
}

void TestTranslations::everyTextShownIsCollected() {
    QStringList shown;
    Session session;
    FakePrompts prompts;
    MainWindow window(session, prompts, QLocale::c());
    collectShown(window, shown);
    HelpViewer viewer;
    collectShown(viewer, shown);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    for (const auto choice : {FileChoice::Save, FileChoice::Open}) {
        prepareDataFileDialog(dialog, choice);
        shown << dialog.windowTitle() << dialog.nameFilters();
    }
    // What the help viewer says in place of a document.
    shown << helpNotFoundPage("tolvaric.hlp", {"/a"}) << helpUnreadablePage("/a", "b")
          << helpLinkRefusedPage("/a") << helpTooDeepText(9, 8) << helpWordTooLongText(9, 8)
          << helpTooManyTablesText() << helpTooManyPicturesText(1000)
          << printTargetRefusedText("/a") << printerFailedText() << printTargetKeptText("/a")
          << printTargetExistsText("/a") << helpGonePage("/a");
    // Every label of the sheet, and every figure that is words.
    const QList<SheetEngine> engines{{"a.dat", "", initialEngineData()}, {"b.dat", "", {}}};
    for (const auto& row : sheetRows(engines, todaysHeader(), {})) {
        shown << row.label;
        for (const auto& value : row.values) {
            if (row.kind == SheetRow::Kind::Figure && value.contains(QRegularExpression("[a-z]"))) {
                shown << value;
            }
        }
    }
    // The command line's refusals and its own lines of --help.
    for (const QStringList& arguments : {QStringList{"tolvaric", "--format", "csv"},
                                         {"tolvaric", "x.dat"},
                                         {"tolvaric", "--help-viewer", "x"},
                                         {"tolvaric", "--sheet", "--format", "doc"}}) {
        shown << parseCommandLine(arguments).refusal;
    }
    shown << QString(commandLineHelp().count(mark) >= 8 ? mark : "--help: too few marked");
    // The message boxes.
    for (const auto outcome :
         {Outcome::ClearanceWarning, Outcome::RatioWarning, Outcome::ComputationFailure}) {
        const auto message = messageFor(outcome);
        shown << message.title << message.text;
    }
    shown << messageBoxTitle() << dataErrorTitle() << dataErrorText() << ownerCutText()
          << helpFailedText();
    for (const auto problem : {DocumentsProblem::File, DocumentsProblem::NotEntered}) {
        shown << documentsFolderText("C:\\Users\\Q\\Documents", problem, {});
    }
    for (const auto quantity :
         {Quantity::Length, Quantity::Volume, Quantity::Angle, Quantity::Ratio, Quantity::Plain}) {
        for (const auto kind : {TypedReading::Kind::NotANumber, TypedReading::Kind::TooLarge,
                                TypedReading::Kind::WrongUnit}) {
            for (const auto system : {UnitSystem::Inch, UnitSystem::Metric}) {
                shown << unreadableEntryText("Bore", "x", kind, quantity, system, ".");
            }
        }
    }
    for (const auto refusal :
         {FileRefusal::NoFolder, FileRefusal::NotAFile, FileRefusal::ReadOnlyFile,
          FileRefusal::ShutFolder, FileRefusal::Missing}) {
        shown << fileRefusalText(refusal, "/a/b.dat");
    }
    for (const auto problem :
         {FileProblem::NoName, FileProblem::Folder, FileProblem::NotRegularFile,
          FileProblem::ReadOnly, FileProblem::TooLarge, FileProblem::DiskFull,
          FileProblem::OwnerTooLong, FileProblem::NoOwner}) {
        auto status = FileStatus::failure(problem);
        shown << reasonText(status) << saveFailedText("/a", status, true);
        status.previousKept = false;
        shown << saveFailedText("/a", status, true) << quitFailedText({status, status})
              << printFailedText("/a", status, true);
    }

    QVERIFY(shown.size() > 100);
    for (const auto& text : shown) {
        QVERIFY2(text.contains(mark), qPrintable("not in the translation file: " + text));
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
