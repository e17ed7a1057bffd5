#pragma once

#include <memory>

class QLocalServer;
class QWidget;

namespace paysmith {

// One Paysmith per user, so that one window and one writer own the settings
// file. The first copy listens on a local socket in the user's private
// runtime folder; a later copy connects to it, which brings the first copy's
// window to the front, and then ends.
class SingleInstance {
  public:
    // Claims the socket, or tells the running copy to come to the front.
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy runs and has been told to come to the front.
    bool isFirst() const { return m_first; }
    // From now on a later start raises and activates `window`.
    void raiseOnLaterStarts(QWidget& window);

  private:
    bool m_first = true;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace paysmith
