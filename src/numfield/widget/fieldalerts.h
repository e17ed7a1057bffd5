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
// Puts `alerts` in place of the system's beep and message box, which nullptr
// brings back. The caller keeps ownership and keeps `alerts` alive meanwhile.
void setFieldAlerts(FieldAlerts* alerts);

} // namespace paysmith
