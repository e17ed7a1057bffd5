#pragma once

#include <QObject>
#include <QString>

namespace paysmith {

// Keeps the application's current hint: the long part of the hint of the
// control under the pointer, or of its nearest enclosing control with one.
// It is worked out once the events of a pointer movement have been handled,
// and a change is announced.
class HintTracker : public QObject {
    Q_OBJECT
  public:
    explicit HintTracker(QObject* parent);
    ~HintTracker() override;

  signals:
    void hintChanged(const QString& longPart);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void recompute();

    QString m_hint;
    bool m_pending = false;
};

} // namespace paysmith
