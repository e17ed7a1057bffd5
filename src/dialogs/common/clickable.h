#pragma once

#include <QLabel>

namespace paysmith {

// A label that reports a click: the left button pressed and released over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    // What a click opens. A label that has one is a link: a right click
    // brings up the link's menu instead of its window's.
    void setLinkAddress(const QString& address) { m_linkAddress = address; }
    QString linkAddress() const { return m_linkAddress; }

  signals:
    void clicked();

  protected:
    // What a click does; by default it raises clicked().
    virtual void mouseClick() { emit clicked(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Return, Enter or Space on a label that takes the focus clicks it, as on
    // a button.
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    bool m_pressed = false;
    QString m_linkAddress;
};

// A picture that takes its picture's size and shows the hand while the
// pointer moves over it.
class ClickablePicture : public ClickableLabel {
    Q_OBJECT
  public:
    explicit ClickablePicture(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace paysmith
