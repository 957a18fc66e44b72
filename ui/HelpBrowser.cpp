// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/HelpBrowser.h"

#include "storage/RegularFile.h"

#include <QDesktopServices>
#include <QImage>

namespace tolvaric {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpBrowser"));
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
        url.isLocalFile() && readWholeFile(url.toLocalFile(), helpResourceSizeLimit, bytes).ok();
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
    if (steps > m_zoomSteps) {
        zoomIn((steps - m_zoomSteps) * pointsPerStep);
    } else if (steps < m_zoomSteps) {
        zoomOut((m_zoomSteps - steps) * pointsPerStep);
    }
    m_zoomSteps = steps;
}

} // namespace tolvaric
