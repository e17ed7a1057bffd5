#include "app/application.h"

#include "app/mainwindow.h"

#include <stdexcept>

namespace paysmith {

PaysmithApplication::PaysmithApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool PaysmithApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (TfrmMain* window = TfrmMain::instance())
            window->AppOnException(error);
    } catch (...) {
        if (TfrmMain* window = TfrmMain::instance())
            window->AppOnException(std::runtime_error("unknown error"));
    }
    return false;
}

} // namespace paysmith
