#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace paysmith {

// The program's help viewer: HTML pages from a folder, with Contents, Back
// and Forward. A missing folder or page is explained in the window itself.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(QString helpFolder, QWidget* parent);

    void showContents();
    // False when the context number has no page or the page is missing.
    bool showTopic(int context);

  private:
    bool showPage(const QString& fileName);

    QString m_folder;
    QTextBrowser* m_browser;
};

} // namespace paysmith
