// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The real message boxes and file dialog behind the prompts: their settings,
// the names the dialog refuses, and the questions only Yes or No answers.

#include "tests/TestFiles.h"
#include "text/Messages.h"
#include "ui/DataFileDialog.h"
#include "ui/QtPrompts.h"
#include "ui/QtPrompts_p.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using tolvaric::FileChoice;

Q_DECLARE_METATYPE(tolvaric::FileRefusal)

class TestPrompts : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void dataFileDialogSettings();
    void dataFileDialogRefuses_data();
    void dataFileDialogRefuses();
    void realMessageBoxes();
    void sheetChoices_data();
    void sheetChoices();
    void camCard_data();
    void camCard();

  private:
    ScratchFolder m_dir;
};

void TestPrompts::init() {
    QVERIFY(m_dir.enter());
}

void TestPrompts::cleanup() {
    m_dir.leave();
}

void TestPrompts::dataFileDialogSettings() {
    tolvaric::QtPrompts prompts;
    QVERIFY(!tolvaric::dialogHost(prompts));
    const QString before = QDir::currentPath();
    for (const auto choice : {FileChoice::Save, FileChoice::Open}) {
        QTimer::singleShot(50, [&] {
            auto* dialog = tolvaric::dialogHost(prompts)->findChild<QFileDialog*>("CdlOpen");
            QVERIFY(dialog);
            QCOMPARE(dialog->defaultSuffix(), "dat");
            QCOMPARE(dialog->nameFilters(), QStringList{"TOLVARIC files (*.dat)"});
            QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            QCOMPARE(dialog->fileMode(),
                     choice == FileChoice::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
            QCOMPARE(dialog->directory().absolutePath(), QDir::currentPath()); // every time
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name && name->text().isEmpty()); // nothing left from the last use
            dialog->setDirectory("/");
            name->setText("gamma.dat");
            dialog->reject();
        });
        QCOMPARE(prompts.chooseDataFile(nullptr, choice), QString());
    }
    QVERIFY(tolvaric::dialogHost(prompts) && !tolvaric::dialogHost(prompts)->isVisible());
    QCOMPARE(tolvaric::dialogHost(prompts)->objectName(), "cdlTolvaric");
    QCOMPARE(QDir::currentPath(), before); // browsing never moves the working directory
}

void TestPrompts::dataFileDialogRefuses_data() {
    using tolvaric::FileRefusal;
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("saving");
    QTest::addColumn<FileRefusal>("refusal");
    QTest::addColumn<QString>("why"); // part of the dialog's message
    QTest::newRow("save: a new file") << "new.dat" << true << FileRefusal::None << "";
    QTest::newRow("save: an existing file") << "old.dat" << true << FileRefusal::None << "";
    QTest::newRow("fetch: an existing file") << "old.dat" << false << FileRefusal::None << "";
    QTest::newRow("save: a folder that does not exist")
        << "nosuch/x.dat" << true << FileRefusal::NoFolder << "does not exist";
    QTest::newRow("save: a read-only file")
        << "locked.dat" << true << FileRefusal::ReadOnlyFile << "read-only";
    QTest::newRow("fetch: a read-only file")
        << "locked.dat" << false << FileRefusal::ReadOnlyFile << "read-only";
    QTest::newRow("save: a new file in a write-protected folder")
        << "shut/new.dat" << true << FileRefusal::ShutFolder << "write-protected";
    QTest::newRow("save: a writable file in a write-protected folder")
        << "shut/open.dat" << true << FileRefusal::ShutFolder << "write-protected";
    QTest::newRow("fetch: a writable file in a write-protected folder")
        << "shut/open.dat" << false << FileRefusal::ShutFolder << "write-protected";
    QTest::newRow("save: a pipe") << "pipe.dat" << true << FileRefusal::NotAFile << "not a file";
    // Said by the program in plain text: Qt's own message reads a name as markup.
    QTest::newRow("fetch: a missing file named as markup")
        << "<img src=pipe.dat>.dat" << false << FileRefusal::Missing << "<img src=pipe.dat>.dat";
    // Windows marks Documents so and ignores it for writing.
    QTest::newRow("save: a folder with the read-only attribute")
        << "marked/new.dat" << true << FileRefusal::None << "";
}

void TestPrompts::dataFileDialogRefuses() {
    QFETCH(QString, path);
    QFETCH(bool, saving);
    QFETCH(tolvaric::FileRefusal, refusal);
    QFETCH(QString, why);
    writeBytes("old.dat", sampleFile());
    writeBytes("locked.dat", sampleFile());
    QVERIFY(QFile::setPermissions("locked.dat", QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QDir().mkdir("shut"));
    writeBytes("shut/open.dat", sampleFile());
    QVERIFY(QFile::setPermissions("shut", QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (path.startsWith("pipe")) {
        MAKE_PIPE("pipe.dat");
    }
    QVERIFY(QDir().mkdir("marked"));
#ifdef Q_OS_WIN
    QVERIFY(SetFileAttributesW(reinterpret_cast<const wchar_t*>(m_dir.filePath("marked").utf16()),
                               FILE_ATTRIBUTE_READONLY));
#endif
    if (path.startsWith("shut")) {
        SKIP_WITHOUT_POSIX("a Windows folder has no read-only mode");
    }
    const auto refused = tolvaric::dataFileRefusal(m_dir.filePath(path), saving);
    QFile::setPermissions("shut",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
#ifdef Q_OS_WIN
    SetFileAttributesW(reinterpret_cast<const wchar_t*>(m_dir.filePath("marked").utf16()),
                       FILE_ATTRIBUTE_NORMAL);
#endif
    QCOMPARE(refused, refusal);
    if (refusal != tolvaric::FileRefusal::None) {
        const QString text = tolvaric::fileRefusalText(refused, m_dir.filePath(path));
        QVERIFY2(text.contains(why), qPrintable(text));
    }
}

// Runs `answer` on the message box once it is on screen.
static void whenMessageBoxShown(const std::function<void(QMessageBox*)>& answer) {
    QTimer::singleShot(20, [answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer(box);
        } else {
            whenMessageBoxShown(answer);
        }
    });
}

void TestPrompts::realMessageBoxes() {
    tolvaric::QtPrompts prompts;
    // Typed text and file names are shown as they are, never as markup.
    whenMessageBoxShown([](QMessageBox* box) {
        QCOMPARE(box->textFormat(), Qt::PlainText);
        box->accept();
    });
    prompts.inform(nullptr, "tolvaric", "<img src=\"/dev/zero\"><h1>BIG</h1>",
                   tolvaric::MessageIcon::Exclamation);

    // Escape and the close button leave the data-error question waiting:
    // only No ends the program.
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        whenMessageBoxShown([answer](QMessageBox* box) {
            QCOMPARE(box->textFormat(), Qt::PlainText);
            // The detail names the file as it is, never as markup.
            QVERIFY(box->informativeText().contains("&lt;b&gt;x.dat"));
            QTest::keyClick(box->button(QMessageBox::Yes), Qt::Key_Escape);
            QVERIFY(box->isVisible());
            box->close();
            QVERIFY(box->isVisible());
            box->button(answer)->click();
        });
        QCOMPARE(prompts.proceedAfterDataError(nullptr, "<b>x.dat could not be opened"),
                 answer == QMessageBox::Yes);
    }
}

void TestPrompts::sheetChoices_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("typed"); // cylinders, altitude, boost
    QTest::addColumn<QString>("refused");   // the box refused; empty: accepted
    QTest::addColumn<QString>("said");
    QTest::newRow("all empty: nothing added") << "C" << QStringList{"", "", ""} << ""
                                              << "";
    QTest::newRow("all three") << "C" << QStringList{"8", "6000ft", "8psi"} << ""
                               << "";
    QTest::newRow("a German decimal comma")
        << "de_DE" << QStringList{"", "1,5 km", "0,55bar"} << "altitude"
        << "is not an altitude";
    QTest::newRow("a German boost") << "de_DE" << QStringList{"", "", "0,55bar"} << ""
                                    << "";
    QTest::newRow("an altitude without unit") << "C" << QStringList{"8", "6000", ""} << "altitude"
                                              << "has no unit";
    QTest::newRow("too much boost") << "C" << QStringList{"", "", "61psi"} << "boost"
                                    << "out of range";
    // What was typed is shown as typed, never read as markup, and short.
    QTest::newRow("markup") << "C" << QStringList{"<img src=\"fifo\"><b>8</b>", "", ""}
                            << "cylinders"
                            << "\"<img src=\"fifo\"><b>8</b>\" is not";
    QTest::newRow("a pasted page") << "C" << QStringList{"", "", QString(100000, 'x')} << "boost"
                                   << QString(40, 'x') + QChar(0x2026) + "\" is not";
    QTest::newRow("a right-to-left override")
        << "C" << QStringList{"", QString(QChar(0x202E)) + "6000", ""} << "altitude"
        << QString(QChar(0x2068)) + QChar(0x202E) + "6000" + QChar(0x2069) + "\" is not";
}

// The dialog Ctrl+P shows before printing: a value that does not read
// keeps it open, says why as the command line would, and selects the box.
void TestPrompts::sheetChoices() {
    QFETCH(QString, locale);
    QFETCH(QStringList, typed);
    QFETCH(QString, refused);
    QFETCH(QString, said);
    tolvaric::QtPrompts prompts;
    bool stayedOpen = false;
    QString shown;
    QString focused;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const QStringList names{"cylinders", "altitude", "boost"};
        for (int i = 0; i < 3; ++i) {
            dialog->findChild<QLineEdit*>(names[i])->setText(typed[i]);
        }
        QTest::keyClick(dialog->findChild<QLineEdit*>("boost"), Qt::Key_Return);
        stayedOpen = dialog->isVisible();
        shown = dialog->findChild<QLabel*>("refusal")->text();
        for (const auto* label : dialog->findChildren<QLabel*>()) {
            QVERIFY(label->buddy() || label->textFormat() == Qt::PlainText);
        }
        focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
        if (stayedOpen) {
            dialog->reject();
        }
    });
    const auto texts = prompts.askSheetChoices(nullptr, {}, QLocale(locale));
    QCOMPARE(stayedOpen, !refused.isEmpty());
    QCOMPARE(texts.has_value(), refused.isEmpty());
    if (refused.isEmpty()) {
        QCOMPARE(QStringList(texts->typed.cbegin(), texts->typed.cend()), typed);
    } else {
        QVERIFY2(shown.contains(said), qPrintable(shown));
        QCOMPARE(focused, refused);
    }
}

void TestPrompts::camCard_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("typed"); // lift index, opening, closing, allowance
    QTest::addColumn<double>("duration");   // 0: refused
    QTest::addColumn<double>("centerline");
    QTest::addColumn<QString>("said");
    QTest::newRow("seat events") << "C" << QStringList{"0", "9", "55", "44"} << 244.0 << 113.0
                                 << "Stores Intake Seat Duration 244.0\u00B0 and Intake "
                                    "Centerline 113.0\u00B0.";
    QTest::newRow("0.050-inch events and the allowance")
        << "C" << QStringList{"1", "-2", "34", "46"} << 258.0 << 108.0 << "258.0";
    QTest::newRow("a comma and a degree sign")
        << "de_DE" << QStringList{"0", "9,5\u00B0", "55", ""} << 244.5 << 112.75 << "244,5";
    QTest::newRow("not a number") << "C" << QStringList{"0", "9", "<b>x</b>", ""} << 0.0 << 0.0
                                  << "Intake closes: \"<b>x</b>\" is not a number";
    QTest::newRow("an allowance that does not read")
        << "C" << QStringList{"1", "9", "55", "y"} << 0.0 << 0.0 << "Ramp allowance";
    QTest::newRow("no lobe") << "C" << QStringList{"0", "-100", "-90", ""} << 0.0 << 0.0
                             << "no intake lobe";
}

// "From a Cam Card...": the card's events in, the two boxes' values out;
// what does not read keeps Store disabled and says why.
void TestPrompts::camCard() {
    QFETCH(QString, locale);
    QFETCH(QStringList, typed);
    QFETCH(double, duration);
    QFETCH(double, centerline);
    QFETCH(QString, said);
    tolvaric::QtPrompts prompts;
    QString shown;
    bool storable = false;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QComboBox*>("lift")->setCurrentIndex(typed[0].toInt());
        const QStringList names{"opening", "closing", "allowance"};
        for (int i = 0; i < 3; ++i) {
            if (!typed[i + 1].isEmpty()) {
                dialog->findChild<QLineEdit*>(names[i])->setText(typed[i + 1]);
            }
        }
        shown = dialog->findChild<QLabel*>("result")->text();
        storable =
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
        QTest::keyClick(dialog->findChild<QLineEdit*>("closing"), Qt::Key_Return);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    // The dialog starts from the events the boxes stand for: 310 and 106.
    const auto timing = prompts.askCamCard(nullptr, {310, 106}, QLocale(locale));
    QVERIFY2(shown.contains(said), qPrintable(shown));
    QCOMPARE(storable, duration != 0);
    QCOMPARE(timing.has_value(), duration != 0);
    if (timing) {
        QCOMPARE(timing->duration, duration);
        QCOMPARE(timing->centerline, centerline);
    }
}

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
