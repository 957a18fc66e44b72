// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The help window. Each request looks the document up again by its bare name,
// the way a help viewer does: the working directory, the program's folder,
// then the installed data folder. It never answers the program. Besides the
// page it offers what desktop help viewers do: Back and Forward, Contents,
// Find in the page, zoom and Print.

#include "ui/HelpBrowser.h"

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QToolBar;

namespace tolvaric {

inline const QString helpDocumentName = QStringLiteral("tolvaric.hlp");

QStringList helpSearchFolders();
// The first folder's entry of that name, readable or not, or an empty text.
QString findHelpDocument(const QString& name, const QStringList& folders);

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Shows the contents page of the document at `path`, or says that no
    // document was found in `searched`, or why the one found can't be read.
    void showContents(const QString& path, const QStringList& searched);
    // Looks the document up again and shows its contents page.
    void showHelp();
    // From now on each Help clicked in the window that started this viewer
    // shows the contents page again, the viewer restored and in front.
    void answerContentsRequests();

    // Its page and find bar, for the tests (ui/HelpViewer_p.h).
    friend HelpBrowser* browser(const HelpViewer& viewer);
    friend QWidget* findBar(const HelpViewer& viewer);
    friend QLineEdit* findField(const HelpViewer& viewer);

  private:
    // At most the size it prefers, and never larger than the screen it is on.
    void fitToScreen();
    void buildToolBar();
    void buildFindBar();
    void showFindBar();
    void findNext();
    void print();

    QToolBar* m_toolBar = nullptr;
    HelpBrowser* m_browser = nullptr;
    QWidget* m_findBar = nullptr;
    QLineEdit* m_findField = nullptr;
};

} // namespace tolvaric
