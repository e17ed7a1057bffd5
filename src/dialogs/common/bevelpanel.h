#pragma once

#include <QFrame>

namespace paysmith {

// A white panel framed by two one-pixel bevels, a lowered one outside and a
// raised one inside, the frame of the About picture and the promotional
// pages. Qt's frame styles draw one bevel, or two sunk the same way.
class BevelPanel : public QFrame {
  public:
    explicit BevelPanel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace paysmith
