#pragma once

#include "dialogs/shell/desktopshell.h"

#include <QStringList>

namespace paysmith::testing_support {

// A desktop that records what it is asked to open and answers at once, as
// told; it counts beeps instead of sounding them.
class RecordingShell : public DesktopShell {
  public:
    void openTarget(const QString& target, QWidget*, ShellAnswerHandler answered) override {
        opened << target;
        if (answered)
            answered(answer);
    }
    void beep() override { ++beeps; }

    QStringList opened;
    int beeps = 0;
    ShellAnswer answer = ShellAnswer::Accepted;
};

} // namespace paysmith::testing_support
