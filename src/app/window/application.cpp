#include "app/window/application.h"

#include "app/window/mainwindow.h"

#include <QProxyStyle>

#include <stdexcept>

namespace paysmith {

namespace {

// Tooltips come up after the pointer has rested 400 ms on a control.
class HintTimingStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 400;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

PaysmithApplication::PaysmithApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new HintTimingStyle);
}

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
