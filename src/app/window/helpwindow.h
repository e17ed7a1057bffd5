#pragma once

#include <QString>
#include <QWidget>

#include <string>

class QTextBrowser;

namespace paysmith {

// The program's help viewer: HTML pages from a folder, with Contents, Back
// and Forward. A missing folder or page is explained in the window itself.
// It opens whole on the screen of the window it belongs to.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(QString helpFolder, QWidget* parent);

    void showContents();
    // False when the context number has no page or the page is missing.
    bool showTopic(int context);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    bool showPage(const QString& fileName);
    // The pages' style sheet, its colours made to read on the palette's.
    void applyStyle();
    // Inside the available area of the screen its window (the parent) is on:
    // centred over that window the first time, where it was left after that.
    void keepOnScreen();

    QString m_folder;
    std::string m_sheet;
    QTextBrowser* m_browser;
    bool m_placed = false;
};

} // namespace paysmith
