#pragma once

#include <QLabel>

namespace paysmith {

// A small note below a field that says why it refused a key, up until the
// field puts it away: a note gone at the next key would leave a user who
// typed on unaware that the number is not the one typed. Qt's own tooltip
// would go at the release of the very key it explains.
class RefusalBalloon : public QLabel {
    Q_OBJECT
  public:
    explicit RefusalBalloon(QWidget* field);

    void showBelowField(const QString& text);
    void putAway();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeBelowField();

    QWidget* m_field;
};

} // namespace paysmith
