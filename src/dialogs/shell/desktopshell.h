#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace paysmith {

enum class ShellAnswer { Accepted, Refused };
using ShellAnswerHandler = std::function<void(ShellAnswer)>;

// The desktop as the program uses it: the one request that hands it a web or
// "mailto:" address or a local file to open with the program it associates,
// and the beep. Tests put a recorder in its place.
class DesktopShell {
  public:
    virtual ~DesktopShell() = default;
    // Never blocks and never throws. `answered`, when given, runs once from
    // the event loop after the desktop has taken the target over or refused
    // it: the caller must not assume that objects it captured still exist.
    virtual void openTarget(const QString& target, QWidget* owner, ShellAnswerHandler answered) = 0;
    virtual void beep() = 0;
};

DesktopShell& desktopShell();

// Hands `target` to the desktop shell in force.
void openTarget(const QString& target, QWidget* owner, ShellAnswerHandler answered = {});

// What the program says where a refused target was asked for: the beep goes
// unheard on most desktops.
QString refusedTargetText(const QString& target);

// Puts `shell` in place of the desktop for the guard's lifetime.
class ScopedDesktopShell {
  public:
    explicit ScopedDesktopShell(DesktopShell& shell);
    ~ScopedDesktopShell();
    ScopedDesktopShell(const ScopedDesktopShell&) = delete;
    ScopedDesktopShell& operator=(const ScopedDesktopShell&) = delete;

  private:
    DesktopShell* m_previous;
};

} // namespace paysmith
