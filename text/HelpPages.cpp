// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/HelpPages.h"

#include <QCoreApplication>
#include <QDir>

namespace tolvaric {

namespace {

// The help pages' translation context ("tolvaric::HelpPages").
class HelpPages {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::HelpPages)
};

} // namespace

QString helpNotFoundPage(const QString& name, const QStringList& searched) {
    QString page = HelpPages::tr("<h2>No help document</h2><p>The help document <b>%1</b> "
                                 "was not found. These folders were searched:</p><ul>")
                       .arg(name.toHtmlEscaped());
    for (const auto& folder : searched) {
        page += QStringLiteral("<li>%1</li>").arg(QDir::toNativeSeparators(folder).toHtmlEscaped());
    }
    return page + QStringLiteral("</ul>");
}

QString helpUnreadablePage(const QString& path, const QString& reason) {
    return HelpPages::tr(
               "<h2>Help document unreadable</h2><p>The help document <b>%1</b> was found but "
               "could not be read: %2.</p>")
        .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), reason.toHtmlEscaped());
}

QString helpGonePage(const QString& path) {
    return HelpPages::tr("<h2>Help document gone</h2><p>The help document <b>%1</b> is no longer "
                         "there: it was moved or deleted while the help was open.</p>")
        .arg(QDir::toNativeSeparators(path).toHtmlEscaped());
}

QString helpLinkRefusedPage(const QString& path) {
    return HelpPages::tr(
               "<h2>Link not followed</h2><p>The help shows only files in the help document's own "
               "folder and below it; <b>%1</b> is elsewhere.</p>")
        .arg(QDir::toNativeSeparators(path).toHtmlEscaped());
}

QString helpTooDeepText(int depth, int limit) {
    return HelpPages::tr("its elements are nested %1 deep, more than the %2 the help lays out")
        .arg(depth)
        .arg(limit);
}

QString helpWordTooLongText(qsizetype length, qsizetype limit) {
    return HelpPages::tr("it holds a word of %1 characters, longer than the %2 the help lays out")
        .arg(length)
        .arg(limit);
}

QString helpTooManyPicturesText(qint64 limit) {
    return HelpPages::tr("it places more than %1 pictures").arg(limit);
}

QString helpTooManyTablesText() {
    return HelpPages::tr("its tables hold more cells, or nest them deeper, than the help lays out");
}

} // namespace tolvaric
