// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The help window. Each request looks the document up again by its bare name,
// the way a help viewer does: the working directory, the program's folder,
// then the installed data folder. It never answers the program.

#include <QStringList>
#include <QTextBrowser>
#include <QWidget>

namespace tolvaric {

inline const QString helpDocumentName = QStringLiteral("tolvaric.hlp");

QStringList helpSearchFolders();
// The first folder's entry of that name, readable or not, or an empty text.
QString findHelpDocument(const QString& name, const QStringList& folders);

// Reads the document and everything it refers to only from regular files of
// bounded size; web and mail links go to the desktop's own programs.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    void follow(const QUrl& link);
};

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Shows the contents page of the document at `path`, or says that no
    // document was found in `searched`, or why the one found can't be read.
    void showContents(const QString& path, const QStringList& searched);
    QTextBrowser* browser() const { return m_browser; }

  private:
    HelpBrowser* m_browser;
};

} // namespace tolvaric
