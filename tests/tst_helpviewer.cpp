// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The help viewer: where it finds the document, what it refuses to read or
// lay out, its links, and its navigation, find and zoom.

#include "storage/Session.h"
#include "tests/FakePrompts.h"
#include "tests/TestFiles.h"
#include "ui/ContentsRequest.h"
#include "ui/FieldBox.h"
#include "ui/HangWatch.h"
#include "ui/HelpViewer.h"
#include "ui/HelpViewer_p.h"
#include "ui/MainWindow.h"
#include "ui/SheetPreview.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <functional>
#include <thread>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

class TestHelpViewer : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void helpSearchOrder();
    void helpWithoutADocument();
    void helpReadsOnlyRegularFiles_data();
    void helpReadsOnlyRegularFiles();
    void picturesDecodeOnceWithinABudget();
    void picturesOnlyFromTheHelpFolder();
    void helpSendsWebLinksToTheDesktop();
    void helpViewerNavigatesFindsAndZooms();
    void helpAgainShowsTheContentsInFront();
    void printToFile_data();
    void printToFile();
    void aHeldLoopEndsTheViewer();

  private:
    ScratchFolder m_dir;
};

void TestHelpViewer::init() {
    QVERIFY(m_dir.enter());
}

void TestHelpViewer::cleanup() {
    m_dir.leave();
}

void TestHelpViewer::helpSearchOrder() {
    const QDir here(m_dir.path());
    for (const char* folder : {"work", "program", "share"}) {
        QVERIFY(here.mkdir(folder));
    }
    const QStringList folders = {here.filePath("work"), here.filePath("program"),
                                 here.filePath("share")};
    QCOMPARE(tolvaric::findHelpDocument("tolvaric.hlp", folders), QString());
    writeBytes("share/tolvaric.hlp", "<a name=\"contents\"></a><h1>Installed</h1>");
    QCOMPARE(tolvaric::findHelpDocument("tolvaric.hlp", folders),
             here.filePath("share/tolvaric.hlp"));
    writeBytes("program/tolvaric.hlp", "<h1>Beside the program</h1>");
    QCOMPARE(tolvaric::findHelpDocument("tolvaric.hlp", folders),
             here.filePath("program/tolvaric.hlp"));
    writeBytes("work/tolvaric.hlp", "<h1>Working folder</h1>");
    QCOMPARE(tolvaric::findHelpDocument("tolvaric.hlp", folders),
             here.filePath("work/tolvaric.hlp"));
    QCOMPARE(tolvaric::helpSearchFolders().front(), QDir::currentPath());

    // The shipped document opens at its contents, and every link inside it lands.
    tolvaric::HelpViewer viewer;
    const QString shipped = QFINDTESTDATA("../resources/tolvaric.hlp");
    viewer.showContents(shipped, {});
    QVERIFY(tolvaric::browser(viewer)->toPlainText().contains("Contents"));
    const QString html = QString::fromUtf8(readBytes(shipped));
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto links = link.globalMatch(html); links.hasNext();) {
        const QString anchor = links.next().captured(1);
        QVERIFY2(html.contains("name=\"" + anchor + "\""), qPrintable(anchor));
    }
}

void TestHelpViewer::helpWithoutADocument() {
    tolvaric::HelpViewer viewer;
    viewer.showContents(QString(), {"/nowhere/a", "/nowhere/b"});
    const auto page = tolvaric::browser(viewer)->toPlainText();
    // The folders as this platform writes them ("\\nowhere\\b" on Windows).
    QVERIFY(page.contains("tolvaric.hlp") && page.contains(QDir::toNativeSeparators("/nowhere/b")));
}

void TestHelpViewer::helpReadsOnlyRegularFiles_data() {
    QTest::addColumn<QByteArray>("document"); // empty: the document is a pipe
    QTest::addColumn<QString>("shown");
    const QByteArray page = "<a name=\"contents\"></a><h1>Here</h1>";
    QTest::newRow("a picture from an endless device") << page + "<img src=\"/dev/zero\">"
                                                      << "Here";
    QTest::newRow("a picture that is a pipe") << page + "<img src=\"pic.png\">"
                                              << "Here";
    QTest::newRow("a document that is a pipe") << QByteArray() << "could not be read";
    QTest::newRow("a document deleted while open") << page + "<!-- deleted -->"
                                                   << "no longer there";
    // Refused before the layout, which would take minutes or overflow the stack.
    QTest::newRow("tables nested four thousand deep")
        << page + QByteArray("<table><tr><td>").repeated(4000) << "nested 4000 deep";
    QTest::newRow("tables nested deep, a blank after each <")
        << page + QByteArray("< table>< tr>\n< td>").repeated(4000) << "nested 4000 deep";
    QTest::newRow("thirty tables, a blank after each <")
        << page + QByteArray("< table>< tr>< td>x</td>< td>").repeated(30) << "nested";
    QTest::newRow("one word of a megabyte") << page + QByteArray(1 << 20, 'W') << "a word of";
    QTest::newRow("a big table inside nested ones")
        << page + QByteArray("<table><tr><td>").repeated(7) + "<table>" +
               QByteArray("<tr><td>x</td></tr>").repeated(2000)
        << "more cells";
    // Read as Qt reads them: a ">" in a quoted value ends no tag, an end tag
    // of nothing open closes nothing, an empty tag does not end a word.
    QTest::newRow("tables hidden behind a quoted >")
        << page + "<b title=\"> <!-- \">" + QByteArray("<table><tr><td>").repeated(30) +
               "<b title=\" --> \">"
        << "nested";
    QTest::newRow("end tags of nothing open")
        << page + QByteArray("<div></zz>").repeated(4000) << "nested 4000 deep";
    QTest::newRow("a word across empty tags")
        << page + QByteArray("x<b></b>").repeated(250000) << "a word of";
    QTest::newRow("a hundred thousand pictures")
        << page + QByteArray("<img src=\"a.png\">").repeated(100000) << "more than 1000 pictures";
}

void TestHelpViewer::helpReadsOnlyRegularFiles() {
    QFETCH(QByteArray, document);
    QFETCH(QString, shown);
    if (document.contains("pic.png")) {
        MAKE_PIPE("pic.png");
    }
    if (document.isEmpty()) {
        MAKE_PIPE("tolvaric.hlp");
    } else {
        writeBytes("tolvaric.hlp", document);
    }
    tolvaric::HelpViewer viewer;
    const QStringList folders{m_dir.path()};
    viewer.showContents(tolvaric::findHelpDocument("tolvaric.hlp", folders), folders);
    if (document.contains("deleted")) {
        QVERIFY(QFile::remove("tolvaric.hlp"));
        tolvaric::browser(viewer)->reload();
    }
    viewer.show();
    viewer.grab(); // lays out and paints the page, pictures included
    QVERIFY2(tolvaric::browser(viewer)->toPlainText().contains(shown),
             qPrintable(tolvaric::browser(viewer)->toPlainText()));
}

class LinkCatcher : public QObject {
    Q_OBJECT
  public slots:
    void open(const QUrl& url) { opened.append(url); }

  public:
    QList<QUrl> opened;
};

// The same picture under many queries is decoded once, and pictures past the
// budget are left out.
void TestHelpViewer::picturesDecodeOnceWithinABudget() {
    QImage picture(2000, 2000, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save("p.png"));
    QVERIFY(QFile::copy("p.png", "q.png") && QFile::copy("p.png", "r.png") &&
            QFile::copy("p.png", "s.png") && QFile::copy("p.png", "t.png"));
    QByteArray page = "<a name=\"contents\"></a><h1>Here</h1>";
    for (int query = 0; query < 10; ++query) {
        page += "<img src=\"p.png?" + QByteArray::number(query) + "\">";
    }
    page += "<img src=\"q.png\"><img src=\"r.png\"><img src=\"s.png\"><img src=\"t.png\">";
    writeBytes("tolvaric.hlp", page);
    tolvaric::HelpViewer viewer;
    viewer.showContents(m_dir.filePath("tolvaric.hlp"), {});
    viewer.show();
    viewer.grab();
    // 16 MB each: p, q, r and s fit in the 64 MB budget; t is left out.
    QCOMPARE(tolvaric::decodedPictureBytes(*tolvaric::browser(viewer)), 4 * 2000 * 2000 * 4 + 4);
}

void TestHelpViewer::picturesOnlyFromTheHelpFolder() {
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(QDir().mkdir("doc") && picture.save("doc/in.png") && picture.save("out.png"));
    writeBytes("doc/tolvaric.hlp", "<a name=\"contents\"></a><h1>Here</h1><img src=\"in.png\">"
                                   "<img src=\"../out.png\"><img src=\"" +
                                       QFile::encodeName(m_dir.filePath("out.png")) + "\">");
    tolvaric::HelpViewer viewer;
    viewer.showContents(m_dir.filePath("doc/tolvaric.hlp"), {});
    viewer.show();
    viewer.grab();
    // The picture beside the document; the two outside its folder are left out
    // (one blank stands for both).
    QCOMPARE(tolvaric::decodedPictureBytes(*tolvaric::browser(viewer)), 10 * 10 * 4 + 4);
}

void TestHelpViewer::helpSendsWebLinksToTheDesktop() {
    writeBytes("tolvaric.hlp", "<a name=\"contents\"></a><h1>Here</h1>");
    LinkCatcher catcher;
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::setUrlHandler(scheme, &catcher, "open");
    }
    tolvaric::HelpViewer viewer;
    viewer.showContents(m_dir.filePath("tolvaric.hlp"), {});
    const QList<QUrl> links{QUrl("https://example.org/cams"), QUrl("mailto:shop@example.org")};
    for (const auto& link : links) {
        emit tolvaric::browser(viewer)->anchorClicked(link);
    }
    QCOMPARE(catcher.opened, links);
    QVERIFY(tolvaric::browser(viewer)->toPlainText().contains("Here")); // the page stays
    // A local file outside the document's folder is not shown.
    for (const char* outside : {"file:///etc/passwd", "../outside.html"}) {
        emit tolvaric::browser(viewer)->anchorClicked(QUrl(outside));
        QVERIFY2(tolvaric::browser(viewer)->toPlainText().contains("Link not followed"), outside);
    }
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
}

void TestHelpViewer::helpViewerNavigatesFindsAndZooms() {
    tolvaric::HelpViewer viewer;
    viewer.showContents(QFINDTESTDATA("../resources/tolvaric.hlp"), {});
    viewer.show();
    QApplication::setActiveWindow(&viewer);
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    auto* page = tolvaric::browser(viewer);
    page->setFocus();
    const auto at = [page] { return page->source().fragment(); };
    const int contents = page->verticalScrollBar()->value();

    emit page->anchorClicked(QUrl("#bench"));
    QCOMPARE(at(), "bench");
    QTest::keyClick(page, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(at(), QString());
    QTest::keyClick(page, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(at(), "bench");
    QTest::keyClick(page, Qt::Key_Home);
    QCOMPARE(at(), QString());
    QCOMPARE(page->verticalScrollBar()->value(), contents);

    QTest::keyClick(page, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(tolvaric::findBar(viewer)->isVisible());
    QCOMPARE(QApplication::focusWidget(), tolvaric::findField(viewer));
    QTest::keyClicks(tolvaric::findField(viewer), "quench");
    QTest::keyClick(tolvaric::findField(viewer), Qt::Key_Return);
    QCOMPARE(page->textCursor().selectedText().toLower(), "quench");
    const int first = page->textCursor().position();
    QTest::keyClick(tolvaric::findField(viewer), Qt::Key_Return);
    QVERIFY(page->textCursor().position() != first); // the next match
    QTest::keyClick(tolvaric::findField(viewer), Qt::Key_Escape);
    QVERIFY(!tolvaric::findBar(viewer)->isVisible());

    const qreal size = page->font().pointSizeF();
    QTest::keyClick(page, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(page->font().pointSizeF() > size);
    QTest::keyClick(page, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(page->font().pointSizeF() < size);
    QTest::keyClick(page, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(page->font().pointSizeF(), size);
}

// Help clicked while the viewer is minimised on another page: the same
// viewer comes back, in front, on the contents of the document as it is now.
void TestHelpViewer::helpAgainShowsTheContentsInFront() {
    writeBytes("tolvaric.hlp", "<a name=\"contents\"></a><h1>Shop</h1><a name=\"bench\">B</a>");
    tolvaric::HelpViewer viewer;
    viewer.answerContentsRequests();
    viewer.showHelp();
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    auto* page = tolvaric::browser(viewer);
    emit page->anchorClicked(QUrl("#bench"));
    QCOMPARE(page->source().fragment(), "bench");
    writeBytes("tolvaric.hlp", "<a name=\"contents\"></a><h1>Shop, revised</h1>");
    viewer.showMinimized();
    QTRY_VERIFY(viewer.isMinimized());
    for (int click = 0; click < 2; ++click) {
        QVERIFY(tolvaric::askForContents(QCoreApplication::applicationPid()));
        QTRY_VERIFY(!viewer.isMinimized());
        QTRY_VERIFY(viewer.isActiveWindow());
        QCOMPARE(page->source().fragment(), QString());
        QVERIFY(page->toPlainText().contains("Shop, revised"));
        emit page->anchorClicked(QUrl("#contents"));
        viewer.showMinimized();
    }
    QCOMPARE(QApplication::topLevelWidgets().count(&viewer), 1);
}

// Print to File, from the help viewer and from the window (Ctrl+P), goes one
// guarded way: a pipe of that name would block every window, so it is
// refused with a message and the dialog stays open; a file that cannot be
// written is reported, and left as it was.
void TestHelpViewer::printToFile_data() {
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

void TestHelpViewer::printToFile() {
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

// A viewer whose page holds its loop goes, and the next Help starts another;
// one that only waits for the reader stays.
void TestHelpViewer::aHeldLoopEndsTheViewer() {
    std::atomic<bool> ended = false;
    const tolvaric::HangWatch watch(std::chrono::milliseconds(300), [&ended] { ended = true; });
    QTest::qWait(1000); // idle, but the loop turns
    QVERIFY(!ended);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500)); // the loop held
    QVERIFY(ended);
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
