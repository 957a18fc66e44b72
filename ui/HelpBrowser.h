// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The page of the help window. It reads the document and everything the
// document refers to only from regular files of bounded size, and sends web
// and mail links to the desktop's own programs.

#include <QTextBrowser>

namespace tolvaric {

// The document and each picture in it; far more than any help page needs.
inline constexpr qint64 helpResourceSizeLimit = 16 * 1024 * 1024;

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

    // Finds `text` after the selection, going round to the top; false when the
    // page does not hold it.
    bool findNext(const QString& text);
    // Steps of two points; 0 is the document's own size.
    void zoomTo(int steps);
    int zoomSteps() const { return m_zoomSteps; }

  private:
    void follow(const QUrl& link);

    int m_zoomSteps = 0;
};

} // namespace tolvaric
