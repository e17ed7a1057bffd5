#pragma once

#include <QApplication>

namespace paysmith {

// The last-resort net: an exception that escapes an event handler outside the
// main window's own guard is reported instead of crossing Qt's event loop.
class PaysmithApplication : public QApplication {
    Q_OBJECT
  public:
    PaysmithApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace paysmith
