#include "app/window/platformchoice.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QWidget>

namespace paysmith {

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

void keepFixedSizeSafeUnderWayland(QWidget& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

} // namespace paysmith
