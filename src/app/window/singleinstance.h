#pragma once

#include "app/core/instancechannel.h"

#include <QString>

class QWidget;

namespace paysmith {

// One Paysmith per settings folder, so that one window and one writer own the
// settings file; a copy started for another folder (another XDG_CONFIG_HOME)
// is another profile and runs beside it. The first copy listens on a socket
// in the user's private runtime folder; a later copy connects to it, which
// brings the first copy's window to the front, and then ends.
class SingleInstance {
  public:
    // Claims the socket of `settingsFolder`, or tells the running copy to
    // come to the front.
    explicit SingleInstance(const QString& settingsFolder);

    // False when another copy runs and has been told to come to the front.
    bool isFirst() const { return !m_claim.runningDisplay; }
    // The display the running copy shows its window on, when it is not this
    // copy's; empty otherwise.
    QString otherDisplay() const;
    // From now on a later start raises and activates `window`.
    void raiseOnLaterStarts(QWidget& window);

  private:
    InstanceClaim m_claim;
};

} // namespace paysmith
