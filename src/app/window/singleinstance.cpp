#include "app/window/singleinstance.h"

#include <QDir>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QWidget>

namespace paysmith {

namespace {

// The display this copy shows its window on, as its user knows it.
std::string displayName() {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        const QByteArray name = qgetenv("WAYLAND_DISPLAY");
        return name.isEmpty() ? "wayland-0" : name.toStdString();
    }
    return qgetenv("DISPLAY").toStdString();
}

void bringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFolder) {
    // Qt makes this folder private to the user ($XDG_RUNTIME_DIR, 0700); without
    // one there is nowhere safe to meet, and each copy runs on its own.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return;
    const std::string settings = QDir(settingsFolder).absolutePath().toStdString();
    m_claim = claimInstance(instanceSocketPath(folder.toStdString(), settings), displayName());
}

QString SingleInstance::otherDisplay() const {
    if (!m_claim.runningDisplay || *m_claim.runningDisplay == displayName())
        return {};
    return QString::fromStdString(*m_claim.runningDisplay);
}

void SingleInstance::raiseOnLaterStarts(QWidget& window) {
    if (!m_claim.server)
        return;
    auto* notifier = new QSocketNotifier(m_claim.server->socket(), QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [this, &window] {
        if (m_claim.server->answer(displayName()))
            bringToFront(window);
    });
}

} // namespace paysmith
