// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The page of the help window. It reads the document and everything the
// document refers to only from regular files of bounded size, lays out only
// documents of bounded nesting and word length (deeper ones would take
// minutes or overflow the stack), decodes each picture once and within a
// memory budget, follows local links only within the document's own folder,
// and sends web and mail links to the desktop's own programs.

#include <QHash>
#include <QImage>
#include <QTextBrowser>

#include <string_view>

namespace tolvaric {

// Each picture of the document, and the document itself: far more than any
// help page needs, and little enough to lay out in a few seconds.
inline constexpr qint64 helpResourceSizeLimit = 16 * 1024 * 1024;
inline constexpr qint64 helpDocumentSizeLimit = 2 * 1024 * 1024;
inline constexpr int helpNestingLimit = 8;
inline constexpr qsizetype helpWordLimit = 200;
inline constexpr qint64 helpTableLimit = 50'000;
inline constexpr qint64 helpPictureBudget = 64 * 1024 * 1024; // decoded bytes per document

// How deep the elements of an HTML text nest and its longest word, as far as
// laying it out is concerned.
struct HtmlShape {
    int depth = 0;
    qsizetype longestWord = 0;
    // Laying out a table cell costs far more than text, and about twice as
    // much with each table around it: each cell counts 2^(tables around - 1).
    qint64 tableWork = 0;
};
HtmlShape measureHtml(std::string_view html);

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

    // Shows the document at `path` from its start, with a fresh picture budget.
    void showDocument(const QString& path);

    // Finds `text` after the selection, going round to the top; false when the
    // page does not hold it.
    bool findNext(const QString& text);
    // Steps of two points, within a readable range; 0 is the document's own size.
    void zoomTo(int steps);
    int zoomSteps() const { return m_zoomSteps; }
    qint64 decodedPictureBytes() const { return m_pictureBytes; }

  private:
    void follow(const QUrl& link);
    bool insideDocumentFolder(const QString& path) const;
    QImage picture(const QString& path);

    int m_zoomSteps = 0;
    double m_normalPoints = 0;
    QString m_folder; // the canonical folder of the document shown first
    QHash<QString, QImage> m_pictures;
    qint64 m_pictureBytes = 0;
};

} // namespace tolvaric
