#include "numfield/widget/fieldalerts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

namespace paysmith {

namespace {

class SystemAlerts : public FieldAlerts {
  public:
    void beep() override { QApplication::beep(); }

    void showError(QWidget* owner, const QString& message) override {
        // An error box sounds on the systems that have an error sound; here the
        // box is silent, so the beep stands in for that sound.
        QApplication::beep();
        QMessageBox::critical(owner, QCoreApplication::translate("paysmith::FieldAlerts", "Error"),
                              message, QMessageBox::Ok);
    }
};

SystemAlerts g_systemAlerts;
FieldAlerts* g_alerts = &g_systemAlerts;

} // namespace

FieldAlerts& fieldAlerts() {
    return *g_alerts;
}

ScopedFieldAlerts::ScopedFieldAlerts(FieldAlerts& alerts) : m_previous(g_alerts) {
    g_alerts = &alerts;
}

ScopedFieldAlerts::~ScopedFieldAlerts() {
    g_alerts = m_previous;
}

} // namespace paysmith
