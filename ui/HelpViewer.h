#pragma once
// The help window. Each request looks the document up again by its bare name,
// the way a help viewer does: the working directory, the program's folder,
// then the installed data folder. It never answers the program.

#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace tolvaric {

inline const QString helpDocumentName = QStringLiteral("tolvaric.hlp");

QStringList helpSearchFolders();
// The first folder's file of that name, or an empty text.
QString findHelpDocument(const QString& name, const QStringList& folders);

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Shows the contents page of the document at `path`, or says that no
    // document was found in `searched`.
    void showContents(const QString& path, const QStringList& searched);
    QTextBrowser* browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser;
};

} // namespace tolvaric
