#pragma once

class QString;
class QWidget;

namespace paysmith {

// How numeric fields get the user's attention: the beep of a refused key and
// the message box of a rejected value. Tests put a recorder in place so that
// nothing sounds and no modal box waits for a click.
class FieldAlerts {
  public:
    virtual ~FieldAlerts() = default;
    virtual void beep() = 0;
    // Modal, titled "Error", with one OK button, over the owner's window.
    virtual void showError(QWidget* owner, const QString& message) = 0;
};

// The alerts every field uses.
FieldAlerts& fieldAlerts();
// Puts `alerts` in place of the system's beep and message box for the guard's
// lifetime and brings back the previous ones after it, so that a test that
// ends early cannot leave the fields pointing at a destroyed recorder.
class ScopedFieldAlerts {
  public:
    explicit ScopedFieldAlerts(FieldAlerts& alerts);
    ~ScopedFieldAlerts();
    ScopedFieldAlerts(const ScopedFieldAlerts&) = delete;
    ScopedFieldAlerts& operator=(const ScopedFieldAlerts&) = delete;

  private:
    FieldAlerts* m_previous;
};

} // namespace paysmith
