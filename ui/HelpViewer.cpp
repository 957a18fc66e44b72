// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "HelpViewer.h"

#include "RegularFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QVBoxLayout>

namespace tolvaric {

namespace {

// The document and each picture in it; far more than any help page needs.
constexpr qint64 resourceSizeLimit = 16 * 1024 * 1024;

} // namespace

QStringList helpSearchFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QDir::currentPath(), programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/../share/tolvaric")),
            QStringLiteral(TOLVARIC_DATADIR)};
}

QString findHelpDocument(const QString& name, const QStringList& folders) {
    for (const auto& folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.exists()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::follow);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // Never a null answer, nor a picture that does not decode: the document
    // would then open the file by itself, pipe or device alike.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    QByteArray bytes;
    const bool read =
        url.isLocalFile() && readWholeFile(url.toLocalFile(), resourceSizeLimit, bytes).ok;
    if (type == QTextDocument::ImageResource) {
        QImage picture;
        if (!read || !picture.loadFromData(bytes)) {
            picture = QImage(1, 1, QImage::Format_ARGB32);
            picture.fill(Qt::transparent); // left out of the page
        }
        return picture;
    }
    return read ? bytes : QByteArray("");
}

void HelpBrowser::follow(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(link);
    } else if (link.isRelative() || link.isLocalFile()) {
        setSource(source().resolved(link));
    }
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("tolvaric Help"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program
    m_browser = new HelpBrowser(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

void HelpViewer::showContents(const QString& path, const QStringList& searched) {
    m_browser->clearHistory();
    m_browser->setSource(QUrl(), QTextDocument::UnknownResource);
    if (path.isEmpty()) {
        QString page = QStringLiteral("<h2>No help document</h2><p>The help document <b>%1</b> "
                                      "was not found. These folders were searched:</p><ul>")
                           .arg(helpDocumentName);
        for (const auto& folder : searched) {
            page += QStringLiteral("<li>%1</li>").arg(folder.toHtmlEscaped());
        }
        m_browser->setHtml(page + QStringLiteral("</ul>"));
        return;
    }
    QByteArray bytes;
    if (const auto status = readWholeFile(path, resourceSizeLimit, bytes); !status.ok) {
        m_browser->setHtml(QStringLiteral("<h2>Help document unreadable</h2><p>The help document "
                                          "<b>%1</b> was found but could not be read: %2.</p>")
                               .arg(path.toHtmlEscaped(), status.reason.toHtmlEscaped()));
        return;
    }
    // The document is HTML under its traditional name; reload it each time.
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    m_browser->scrollToAnchor(QStringLiteral("contents"));
}

} // namespace tolvaric
