#include "app/window/singleinstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QWidget>

namespace paysmith {

namespace {

constexpr int kConnectMilliseconds = 2000;

bool toldRunningCopy(const QString& socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kConnectMilliseconds))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(kConnectMilliseconds);
    socket.disconnectFromServer();
    return true;
}

void bringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

SingleInstance::SingleInstance() {
    // Qt makes this folder private to the user ($XDG_RUNTIME_DIR, 0700); without
    // one there is nowhere safe to meet, and each copy runs on its own.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return;
    const QString socketPath = QDir(folder).filePath(QStringLiteral("paysmith.socket"));

    // Two copies started at once must not both find no server and both listen.
    QLockFile lock(QDir(folder).filePath(QStringLiteral("paysmith.lock")));
    lock.lock();
    if (toldRunningCopy(socketPath)) {
        m_first = false;
        return;
    }
    // A socket file that no one answers on is left by a copy that crashed.
    QLocalServer::removeServer(socketPath);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath))
        m_server.reset();
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::raiseOnLaterStarts(QWidget& window) {
    if (!m_server)
        return;
    QObject::connect(m_server.get(), &QLocalServer::newConnection, &window, [this, &window] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            socket->deleteLater();
        bringToFront(window);
    });
}

} // namespace paysmith
