#include "app/window/application.h"

#include "app/window/mainwindow.h"

#include <QIcon>
#include <QProxyStyle>

#include <stdexcept>

namespace paysmith {

namespace {

class PaysmithStyle : public QProxyStyle {
  public:
    // Tooltips come up after the pointer has rested 400 ms on a control.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 400;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // Every menu bar asks for its overflow arrow when it is made. Qt's icon
    // for it is read from files whose format it probes, which loads every
    // image plug-in at start-up; the same arrow drawn from the style's
    // compiled-in picture loads none.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton ||
            icon == SP_ToolBarVerticalExtensionButton)
            return QIcon(standardPixmap(icon, option, widget));
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

PaysmithApplication::PaysmithApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new PaysmithStyle);
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
