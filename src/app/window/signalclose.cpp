#include "app/window/signalclose.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace paysmith {

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// A signal handler may call only async-signal-safe functions, so it writes a
// byte into this pair and the event loop, woken by the other end, closes.
int g_signalPair[2] = {-1, -1};

void onSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPair[0], &byte, 1);
    errno = savedErrno;
}

void closeOnce(QWidget& window) {
    if (!window.isVisible())
        return;
    window.close();
    // A modal box has an event loop of its own that would keep the program
    // waiting for a person who has gone.
    if (!window.isVisible())
        QCoreApplication::quit();
}

} // namespace

void closeWhenTheSessionEnds(QWidget& window) {
    // Qt 5's fallback session management closed the windows on this request;
    // doing the same keeps one save path, and a cancelled logout only finds
    // Paysmith closed with its inputs saved.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { closeOnce(window); });

    if (g_signalPair[0] != -1 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPair) != 0)
        return;
    // A handler that blocked on a full pair would hang the program it closes.
    ::fcntl(g_signalPair[0], F_SETFL, ::fcntl(g_signalPair[0], F_GETFL) | O_NONBLOCK);
    auto* notifier = new QSocketNotifier(g_signalPair[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_signalPair[1], &byte, 1);
        closeOnce(window);
    });

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

} // namespace paysmith
