#include "app/window/platformchoice.h"

#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QString>
#include <QWidget>

namespace paysmith {

namespace {

// Dialogs fix their size again while they are shown, so the limit is lifted
// only once the show is over.
class FixedSizeRelease : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            QMetaObject::invokeMethod(
                widget, [widget] { release(*widget); }, Qt::QueuedConnection);
        return false;
    }

  private:
    static void release(QWidget& window) {
        if (window.minimumSize() == window.maximumSize())
            window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
};

} // namespace

// Qt 6.4's Wayland plug-in draws its own title bar with a maximise button the
// window's flags leave out; on Weston a click maximises the surface, Qt keeps
// the fixed size, and the compositor ends the program with a protocol error.
// Under XWayland the window manager honours the fixed size and offers no
// maximise at all, so the program never reaches that state.
void preferXWayland() {
    const bool userChose = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (!userChose && wayland && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void keepFixedSizesSafeUnderWayland() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    auto* filter = new FixedSizeRelease(qApp);
    qApp->installEventFilter(filter);
}

} // namespace paysmith
