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
#include <QSet>
#include <QTextBrowser>

namespace tolvaric {

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
    // Bytes of the pictures decoded, for the tests (ui/HelpViewer_p.h).
    friend qint64 decodedPictureBytes(const HelpBrowser& browser);

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

  private:
    void follow(const QUrl& link);
    // The path a picture's name stands for: empty outside the document's folder.
    QString picturePath(const QString& name) const;
    double zoomFactor() const;
    bool insideDocumentFolder(const QString& path) const;
    QImage picture(const QString& path);

    int m_zoomSteps = 0;
    double m_normalPoints = 0;
    QString m_folder; // the canonical folder of the document shown first
    QHash<QString, QImage> m_pictures;
    QSet<QString> m_missing; // pictures that could not be shown
    qint64 m_pictureBytes = 0;
};

} // namespace tolvaric
