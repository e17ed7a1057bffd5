#include "app/core/instancechannel.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace paysmith {

namespace {

using namespace std::chrono_literals;

// How long one copy waits for the other at each step before going on alone:
// a copy that hangs must not keep the next start from running.
constexpr int kWaitMilliseconds = 2000;
constexpr std::size_t kMaxMessage = 256;

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    explicit operator bool() const { return m_fd >= 0; }

  private:
    int m_fd;
};

std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

bool waitUntilReady(int fd, short events) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, kWaitMilliseconds);
        if (ready >= 0 || errno != EINTR)
            return ready > 0;
    }
}

std::optional<std::string> readLine(int fd) {
    std::string line;
    while (line.size() < kMaxMessage && waitUntilReady(fd, POLLIN)) {
        char c = 0;
        const ssize_t got = ::recv(fd, &c, 1, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        if (c == '\n')
            return line;
        line += c;
    }
    return std::nullopt;
}

void writeLine(int fd, std::string_view text) {
    std::string line(text.substr(0, kMaxMessage - 1));
    line += '\n';
    // The other end may be gone; that must not raise SIGPIPE here.
    [[maybe_unused]] const ssize_t sent = ::send(fd, line.data(), line.size(), MSG_NOSIGNAL);
}

std::optional<sockaddr_un> addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// The running copy's display, when a copy listens at `path`.
std::optional<std::string> contact(const sockaddr_un& address, std::string_view ownDisplay) {
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket ||
        ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return std::nullopt;
    writeLine(socket.get(), ownDisplay);
    // A copy that was reached but says nothing back has still been told.
    return readLine(socket.get()).value_or(std::string());
}

// Holds the lock beside the socket while it lives; gives up waiting, and
// goes on unlocked, when another copy holds it for too long.
class StartLock {
  public:
    explicit StartLock(const std::string& path)
        : m_file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (!m_file)
            return;
        const auto deadline = std::chrono::steady_clock::now() + 1ms * kWaitMilliseconds;
        while (::flock(m_file.get(), LOCK_EX | LOCK_NB) != 0 &&
               (errno == EWOULDBLOCK || errno == EINTR) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
    }

  private:
    Descriptor m_file;
};

} // namespace

InstanceServer::InstanceServer(int listeningSocket, std::string socketPath)
    : m_socket(listeningSocket), m_socketPath(std::move(socketPath)) {}

InstanceServer::~InstanceServer() {
    ::close(m_socket);
    ::unlink(m_socketPath.c_str());
}

std::optional<std::string> InstanceServer::answer(std::string_view ownDisplay) {
    Descriptor peer(::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC));
    if (!peer)
        return std::nullopt;
    // A copy that connected but said nothing still asked to be shown.
    std::string message = readLine(peer.get()).value_or(std::string());
    writeLine(peer.get(), ownDisplay);
    return message;
}

std::string instanceSocketPath(const std::string& runtimeFolder,
                               const std::string& settingsFolder) {
    char name[40];
    std::snprintf(name, sizeof name, "paysmith-%016llx.socket",
                  static_cast<unsigned long long>(fnv1a(settingsFolder)));
    return runtimeFolder + '/' + name;
}

InstanceClaim claimInstance(const std::string& socketPath, std::string_view ownDisplay) {
    const std::optional<sockaddr_un> address = addressOf(socketPath);
    if (!address)
        return {};
    StartLock lock(socketPath + ".lock");
    if (std::optional<std::string> display = contact(*address, ownDisplay))
        return {nullptr, std::move(display)};

    // A socket file that no one answers on is left by a copy that crashed.
    ::unlink(socketPath.c_str());
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket ||
        ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0)
        return {};
    if (::listen(socket.get(), SOMAXCONN) != 0) {
        ::unlink(socketPath.c_str());
        return {};
    }
    return {std::make_unique<InstanceServer>(socket.release(), socketPath), std::nullopt};
}

} // namespace paysmith
