#pragma once

#include <QLabel>
#include <QTimer>

namespace paysmith {

// A small note below a field that says why it refused a key, for a few
// seconds or until the field takes a key. Qt's own tooltip would go at the
// release of the very key it explains.
class RefusalBalloon : public QLabel {
    Q_OBJECT
  public:
    explicit RefusalBalloon(QWidget* field);

    void showBelowField(const QString& text);
    void putAway();

  private:
    QWidget* m_field;
    QTimer m_timeout;
};

} // namespace paysmith
