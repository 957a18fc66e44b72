// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What the help viewer shows in place of a document it does not show, and
// why it does not lay one out. The pages are HTML: every name in them is
// escaped.

#include <QString>
#include <QStringList>

namespace tolvaric {

// The help viewer's pages in place of a document it does not show.
QString helpNotFoundPage(const QString& name, const QStringList& searched);
QString helpUnreadablePage(const QString& path, const QString& reason);
QString helpLinkRefusedPage(const QString& path);
// The document shown was moved or deleted since.
QString helpGonePage(const QString& path);
// Why a help document is not laid out.
QString helpTooDeepText(int depth, int limit);
QString helpWordTooLongText(qsizetype length, qsizetype limit);
QString helpTooManyTablesText();
// The help document places more pictures than the help lays out.
QString helpTooManyPicturesText(qint64 limit);

} // namespace tolvaric
