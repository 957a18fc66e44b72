// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/HelpBrowser.h"

#include "storage/RegularFile.h"
#include "text/HelpPages.h"
#include "text/Messages.h"
#include "ui/HtmlShape.h"
#include "ui/PagePictures.h"
#include "ui/RasterPicture.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QScrollBar>

#include <algorithm>

namespace tolvaric {

namespace {

// Each picture of the document, and the document itself: far more than any
// help page needs, and little enough to lay out in a few seconds.
constexpr qint64 helpResourceSizeLimit = 16 * 1024 * 1024;
constexpr qint64 helpDocumentSizeLimit = 2 * 1024 * 1024;
constexpr int helpNestingLimit = 8;
constexpr qsizetype helpWordLimit = 200;
constexpr qint64 helpTableLimit = 50'000;
constexpr qint64 helpPictureLimit = 1000; // pictures placed, each laid out and looked up
constexpr qint64 helpPictureBudget = 64 * 1024 * 1024; // decoded bytes per document

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::follow);
    m_normalPoints = font().pointSizeF();
}

void HelpBrowser::showDocument(const QString& path) {
    m_folder = QFileInfo(path).canonicalPath();
    m_pictures.clear();
    m_missing.clear();
    m_pictureBytes = 0;
    const QUrl document = QUrl::fromLocalFile(path);
    const bool shownAlready = source().adjusted(QUrl::RemoveFragment) == document;
    setSource(document, QTextDocument::HtmlResource);
    if (shownAlready) {
        reload(); // as it is now: it may have been edited since
    }
}

bool HelpBrowser::insideDocumentFolder(const QString& path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !m_folder.isEmpty() && !canonical.isEmpty() &&
           canonical.startsWith(m_folder + QLatin1Char('/'));
}

QImage HelpBrowser::picture(const QString& path) {
    // The same file under another query is the same picture.
    if (const auto known = m_pictures.constFind(path); known != m_pictures.cend()) {
        return *known;
    }
    QImage decoded;
    QByteArray bytes;
    if (readWholeFile(path, helpResourceSizeLimit, bytes).ok()) {
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        const qint64 needed =
            readsRaster(reader) && size.isValid() ? qint64(size.width()) * size.height() * 4 : -1;
        if (needed >= 0 && m_pictureBytes + needed <= helpPictureBudget) {
            decoded = reader.read();
        }
    }
    if (decoded.isNull()) {
        m_missing.insert(path);
        decoded = QImage(1, 1, QImage::Format_ARGB32);
        decoded.fill(Qt::transparent); // left out of the page
    }
    m_pictureBytes += decoded.sizeInBytes();
    m_pictures.insert(path, decoded);
    return decoded;
}

QString HelpBrowser::picturePath(const QString& name) const {
    const QUrl url = source().resolved(QUrl(name));
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    // Only the document's own pictures, from its folder and below.
    return insideDocumentFolder(path) ? QFileInfo(path).absoluteFilePath() : QString();
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // Never a null answer, nor a picture that does not decode: the document
    // would then open the file by itself, pipe or device alike.
    if (type == QTextDocument::ImageResource) {
        return picture(picturePath(name.toString()));
    }
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    if (path.isEmpty()) {
        return QByteArray("");
    }
    QByteArray bytes;
    const auto status = readWholeFile(
        path, type == QTextDocument::HtmlResource ? helpDocumentSizeLimit : helpResourceSizeLimit,
        bytes);
    if (!status.ok()) {
        const bool gone =
            type == QTextDocument::HtmlResource && !m_folder.isEmpty() && !QFileInfo::exists(path);
        return (gone ? helpGonePage(path) : helpUnreadablePage(path, reasonText(status))).toUtf8();
    }
    if (type == QTextDocument::HtmlResource) {
        // Refused before the layout starts, which would take minutes or more.
        const auto shape = measureHtml({bytes.constData(), std::size_t(bytes.size())});
        if (shape.depth > helpNestingLimit) {
            return helpUnreadablePage(path, helpTooDeepText(shape.depth, helpNestingLimit))
                .toUtf8();
        }
        if (shape.longestWord > helpWordLimit) {
            return helpUnreadablePage(path, helpWordTooLongText(shape.longestWord, helpWordLimit))
                .toUtf8();
        }
        if (shape.tableWork > helpTableLimit) {
            return helpUnreadablePage(path, helpTooManyTablesText()).toUtf8();
        }
        if (shape.pictures > helpPictureLimit) {
            return helpUnreadablePage(path, helpTooManyPicturesText(helpPictureLimit)).toUtf8();
        }
    }
    return bytes;
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    QTextBrowser::doSetSource(name, type);
    // A picture that is not there (only the document copied, say) leaves
    // its alt text; the others take the zoom of the page.
    frameMissingPictures(
        *document(),
        [this](const QString& picture) {
            const QString path = picturePath(picture);
            this->picture(path);
            return m_missing.contains(path);
        },
        tr("(a picture that could not be shown)"));
    scalePictures(*document(), zoomFactor(),
                  [this](const QString& name) { return picture(picturePath(name)).size(); });
}

double HelpBrowser::zoomFactor() const {
    return m_normalPoints > 0 ? font().pointSizeF() / m_normalPoints : 1;
}

void HelpBrowser::follow(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(link);
        return;
    }
    if (!link.isRelative() && !link.isLocalFile()) {
        return;
    }
    const QUrl target = source().resolved(link);
    const QString path = target.toLocalFile();
    if (target.adjusted(QUrl::RemoveFragment) == source().adjusted(QUrl::RemoveFragment) ||
        insideDocumentFolder(path)) {
        setSource(target);
    } else {
        setHtml(helpLinkRefusedPage(path));
    }
}

bool HelpBrowser::findNext(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    if (find(text)) {
        return true;
    }
    QTextCursor top(document());
    setTextCursor(top);
    return find(text);
}

void HelpBrowser::zoomTo(int steps) {
    constexpr int pointsPerStep = 2;
    // From about 6 points, still readable, to about three times the normal size.
    const double normal = m_normalPoints > 0 ? m_normalPoints : 10;
    const int smallest = -int((normal - 6) / pointsPerStep);
    const int largest = int(normal * 2 / pointsPerStep);
    steps = std::clamp(steps, std::min(smallest, 0), largest);
    // The reader keeps his place: the text at the top stays at the top.
    const int top = cursorForPosition(QPoint(0, 0)).position();
    if (steps > m_zoomSteps) {
        zoomIn((steps - m_zoomSteps) * pointsPerStep);
    } else if (steps < m_zoomSteps) {
        zoomOut((m_zoomSteps - steps) * pointsPerStep);
    }
    m_zoomSteps = steps;
    scalePictures(*document(), zoomFactor(),
                  [this](const QString& name) { return picture(picturePath(name)).size(); });
    QTextCursor place(document());
    place.setPosition(top);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + cursorRect(place).top());
}

} // namespace tolvaric
