#include "HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tolvaric {

QStringList helpSearchFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QDir::currentPath(), programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/../share/tolvaric")),
            QStringLiteral(TOLVARIC_DATADIR)};
}

QString findHelpDocument(const QString& name, const QStringList& folders) {
    for (const auto& folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile() && candidate.isReadable()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("tolvaric Help"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window still ends the program
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

void HelpViewer::showContents(const QString& path, const QStringList& searched) {
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
    // The document is HTML under its traditional name; reload it each time.
    m_browser->clearHistory();
    m_browser->setSource(QUrl(), QTextDocument::UnknownResource);
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    m_browser->scrollToAnchor(QStringLiteral("contents"));
}

} // namespace tolvaric
