#pragma once

class QWidget;

namespace paysmith {

// While it lives, screen readers are not told of the names, descriptions,
// values, texts and selections that `page` and the widgets inside it take:
// for a page building its controls, which a reader meets with what they
// then say when it goes there. Told of each, Orca 43 counts the page's
// seventy or so changes as a flood and drops what comes after them, such as
// an announcement of the page or of its figures. What the reader must keep
// up with (objects made, shown, hidden or gone, states, focus, a table's
// rows) is still told. With no `page`, or inside another's, it holds back
// nothing of its own.
class QuietBuild {
  public:
    explicit QuietBuild(QWidget* page);
    ~QuietBuild();
    QuietBuild(const QuietBuild&) = delete;
    QuietBuild& operator=(const QuietBuild&) = delete;

  private:
    QWidget* m_page;
};

} // namespace paysmith
