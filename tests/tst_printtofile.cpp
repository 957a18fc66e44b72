// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Printing to a file, from the help viewer and from the window alike.

#include "storage/Session.h"
#include "tests/FakePrompts.h"
#include "tests/TestFiles.h"
#include "ui/FieldBox.h"
#include "ui/HelpViewer.h"
#include "ui/HelpViewer_p.h"
#include "ui/MainWindow.h"
#include "ui/SheetPreview.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

class TestPrintToFile : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(m_dir.enter()); }
    void cleanup() { m_dir.leave(); }
    void printToFile_data();
    void printToFile();

  private:
    ScratchFolder m_dir;
};

// Print to File, from the help viewer and from the window (Ctrl+P), goes one
// guarded way: a pipe of that name would block every window, so it is
// refused with a message and the dialog stays open; a file that cannot be
// written is reported, and left as it was.
void TestPrintToFile::printToFile_data() {
    QTest::addColumn<bool>("fromWindow");
    QTest::addColumn<QString>("target"); // "fifo" is made a pipe
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("dialogStaysOpen");
    QTest::newRow("the help, onto a pipe") << false << "fifo"
                                           << "not a regular file" << true;
    QTest::newRow("the sheet, onto a pipe") << true << "fifo"
                                            << "not a regular file" << true;
    QTest::newRow("the sheet, onto a read-only file") << true << "kept.pdf"
                                                      << "Nothing was printed" << false;
    QTest::newRow("the sheet, onto a new file") << true << "new.pdf"
                                                << "" << false;
    // Named in plain words: Qt's question read the name as markup and
    // opened the pipe it names.
    QTest::newRow("the sheet, onto a file named as markup, replaced")
        << true << "<img src=fifo>.pdf"
        << "already exists" << false;
    QTest::newRow("the sheet, onto the owner file") << true << "owner"
                                                    << "tolvaric keeps" << true;
    QTest::newRow("the help, onto a tolvaric.dat") << false << "tolvaric.dat"
                                                   << "tolvaric keeps" << true;
}

void TestPrintToFile::printToFile() {
    QFETCH(bool, fromWindow);
    QFETCH(QString, target);
    QFETCH(QString, said);
    QFETCH(bool, dialogStaysOpen);
    SKIP_WITHOUT_POSIX("Windows prints through a dialog of its own");
#ifndef Q_OS_WIN
    if (target == "kept.pdf" && geteuid() != 0) {
        QSKIP("Qt's dialog itself refuses a read-only file to a user; root is refused by tolvaric");
    }
#endif
    if (target == "fifo" || target.startsWith("<img")) {
        MAKE_PIPE("fifo");
    }
    if (target.startsWith("<img") || target == "owner" || target == "tolvaric.dat") {
        writeBytes(target, "kept");
    }
    if (target == "kept.pdf") {
        writeBytes("kept.pdf", "kept");
        QFile::setPermissions("kept.pdf", QFile::ReadOwner);
    }
    tolvaric::Session session;
    FakePrompts prompts;
    tolvaric::MainWindow window(session, prompts, QLocale::c());
    tolvaric::HelpViewer viewer;
    QWidget* shown = fromWindow ? static_cast<QWidget*>(&window) : &viewer;
    viewer.showContents(QFINDTESTDATA("../resources/tolvaric.hlp"), {});
    shown->show();
    QApplication::setActiveWindow(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QString message;
    bool plain = true;
    bool stayedOpen = false;
    bool previewed = false;
    std::function<void()> answer = [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // The window's sheet is seen first; its Print goes on to the dialog.
        if (auto* preview = qobject_cast<tolvaric::SheetPreview*>(dialog)) {
            previewed = preview->pages()->pageCount() > 0;
            preview->findChild<QAction*>("print")->trigger();
            QTimer::singleShot(100, answer);
            return;
        }
        auto* file = dialog ? dialog->findChild<QLineEdit*>("filename") : nullptr;
        if (!file) {
            dialog ? dialog->reject() : void();
            return;
        }
        file->setEnabled(true);
        file->setText(m_dir.filePath(target));
        QTimer::singleShot(100, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                plain = box->textFormat() == Qt::PlainText;
                box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok)
                    ->click();
            }
        });
        // The Print button, as a click or Return presses it; returns once a
        // message is answered.
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(buttons && buttons->button(QDialogButtonBox::Ok));
        buttons->button(QDialogButtonBox::Ok)->click();
        stayedOpen = dialog->isVisible();
        if (stayedOpen) {
            dialog->reject();
        }
    };
    QTimer::singleShot(100, answer);
    QTest::keyClick(fromWindow ? static_cast<QWidget*>(window.box(&tolvaric::EngineData::Bore))
                               : tolvaric::browser(viewer),
                    Qt::Key_P, Qt::ControlModifier);
    if (!prompts.messages.isEmpty()) {
        message = prompts.messages.front().text;
    }
    QVERIFY2(said.isEmpty() ? message.isEmpty() : message.contains(said), qPrintable(message));
    QCOMPARE(stayedOpen, dialogStaysOpen);
    QVERIFY(plain);
    QCOMPARE(previewed, fromWindow);
    if (dialogStaysOpen && target != "fifo") {
        QCOMPARE(readBytes(target), QByteArray("kept"));
    } else if (target.startsWith("<img")) {
        QVERIFY(readBytes(target).startsWith("%PDF"));
    }
    if (target == "kept.pdf") {
        QCOMPARE(readBytes("kept.pdf"), QByteArray("kept"));
    } else if (target == "new.pdf") {
        QVERIFY(readBytes("new.pdf").startsWith("%PDF"));
    }
}

QTEST_MAIN(TestPrintToFile)
#include "tst_printtofile.moc"
