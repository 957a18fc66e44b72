// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The help viewer: where it finds the document, what it refuses to read or
// lay out, its links, and its navigation, find and zoom.

#include "tests/TestFiles.h"
#include "ui/ContentsRequest.h"
#include "ui/HangWatch.h"
#include "ui/HelpViewer.h"
#include "ui/HelpViewer_p.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <atomic>
#include <thread>

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
    // A picture that is not there leaves its alt text in a frame.
    QTest::newRow("a missing picture")
        << page + "<img src=\"gone.png\" width=\"520\" alt=\"The piston at closing\">"
        << "The piston at closing";
    QTest::newRow("a missing picture without alt text")
        << page + "<p>x<img src=\"gone.png\"><img src=\"gone.png\"></p>"
        << "x\n(a picture that could not be shown)\n\n(a picture that could not be shown)";
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
    // The document with its pictures beside it, as installed.
    QVERIFY(QFile::copy(QFINDTESTDATA("../resources/tolvaric.hlp"), "tolvaric.hlp"));
    for (const auto& picture : QDir(QFINDTESTDATA("../resources/help")).entryInfoList({"*.png"})) {
        QVERIFY(QFile::copy(picture.filePath(), picture.fileName()));
    }
    tolvaric::HelpViewer viewer;
    viewer.showContents(m_dir.filePath("tolvaric.hlp"), {});
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

    // Zoomed, the pictures grow with the text, and the reader keeps his place.
    emit page->anchorClicked(QUrl("#bench"));
    const auto topBlock = [page] {
        return page->cursorForPosition(QPoint(0, 0)).block().blockNumber();
    };
    const auto pictureWidth = [page] {
        for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().isImageFormat()) {
                    return it.fragment().charFormat().toImageFormat().width();
                }
            }
        }
        return 0.0;
    };
    const int place = topBlock();
    QCOMPARE(pictureWidth(), 520.0);
    QTest::keyClick(page, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(pictureWidth(), 520 * page->font().pointSizeF() / size);
    QVERIFY2(std::abs(topBlock() - place) <= 1, qPrintable(QString::number(topBlock() - place)));
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

// A viewer whose page holds its loop goes, and the next Help starts another;
// one that only waits for the reader stays.
void TestHelpViewer::aHeldLoopEndsTheViewer() {
    std::atomic<bool> ended = false;
    // Margins that a loaded machine's pauses between beats stay well within.
    const tolvaric::HangWatch watch(std::chrono::milliseconds(1000), [&ended] { ended = true; });
    QTest::qWait(2000); // idle, but the loop turns
    QVERIFY(!ended);
    std::this_thread::sleep_for(std::chrono::milliseconds(4000)); // the loop held
    QVERIFY(ended);
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
