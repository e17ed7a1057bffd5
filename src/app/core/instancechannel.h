#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace paysmith {

// The listening end of the copy that owns a settings folder: a Unix-domain
// socket that later starts of Paysmith for the same folder connect to.
class InstanceServer {
  public:
    InstanceServer(int listeningSocket, std::string socketPath);
    ~InstanceServer();
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    // Readable when a later copy is waiting.
    int socket() const { return m_socket; }
    // Takes one waiting copy's message (its display) and answers with this
    // copy's display; nothing when no copy was waiting after all.
    std::optional<std::string> answer(std::string_view ownDisplay);

  private:
    int m_socket;
    std::string m_socketPath;
};

// What a start learns about the settings folder it was started for.
struct InstanceClaim {
    // This copy is the first: it listens here for later starts.
    std::unique_ptr<InstanceServer> server;
    // Another copy runs and was asked to come to the front; its display.
    std::optional<std::string> runningDisplay;
};

// The socket and lock names, in `runtimeFolder` (the user's private runtime
// folder), of the copies that use `settingsFolder`.
std::string instanceSocketPath(const std::string& runtimeFolder, const std::string& settingsFolder);

// Tells the copy listening at `socketPath` to come to the front, or, when no
// one answers there, claims it. The lock file beside the socket keeps two
// copies started at once from both claiming; it is an advisory lock that ends
// with its process, so a lock file left behind, whatever it holds, never
// delays a start. When the socket can be neither reached nor claimed, the
// claim is empty and the copy runs on its own.
InstanceClaim claimInstance(const std::string& socketPath, std::string_view ownDisplay);

} // namespace paysmith
