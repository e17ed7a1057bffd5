#include "dialogs/shell/desktopshell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace paysmith {

namespace {

bool isAddress(const QString& target) {
    return target.contains(QStringLiteral("://")) ||
           target.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive);
}

void answerLater(ShellAnswerHandler answered, ShellAnswer answer) {
    if (answered)
        QTimer::singleShot(0, qApp, [answered = std::move(answered), answer] { answered(answer); });
}

// xdg-open is what every Linux desktop answers to, and unlike Qt's own
// request it tells through its exit status whether the desktop refused the
// target. Without it Qt's request serves, which only knows whether it started.
class SystemShell : public DesktopShell {
  public:
    void openTarget(const QString& target, QWidget*, ShellAnswerHandler answered) override {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty()) {
            const QUrl url = isAddress(target) ? QUrl(target) : QUrl::fromLocalFile(target);
            const bool opened = QDesktopServices::openUrl(url);
            answerLater(std::move(answered), opened ? ShellAnswer::Accepted : ShellAnswer::Refused);
            return;
        }
        auto* process = new QProcess(qApp);
        process->setProgram(opener);
        process->setArguments({target});
        process->setStandardInputFile(QProcess::nullDevice());
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        auto finish = [process, answered](ShellAnswer answer) {
            if (answered)
                answered(answer);
            process->deleteLater();
        };
        QObject::connect(process, &QProcess::finished, qApp,
                         [finish](int exitCode, QProcess::ExitStatus status) {
                             const bool accepted = status == QProcess::NormalExit && exitCode == 0;
                             finish(accepted ? ShellAnswer::Accepted : ShellAnswer::Refused);
                         });
        QObject::connect(process, &QProcess::errorOccurred, qApp,
                         [finish](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 finish(ShellAnswer::Refused);
                         });
        process->start();
    }

    void beep() override { QApplication::beep(); }
};

SystemShell g_systemShell;
DesktopShell* g_shell = &g_systemShell;

} // namespace

DesktopShell& desktopShell() {
    return *g_shell;
}

void openTarget(const QString& target, QWidget* owner, ShellAnswerHandler answered) {
    g_shell->openTarget(target, owner, std::move(answered));
}

QString refusedTargetText(const QString& target) {
    return QCoreApplication::translate("paysmith::DesktopShell",
                                       "No program on this desktop could open %1")
        .arg(target);
}

ScopedDesktopShell::ScopedDesktopShell(DesktopShell& shell) : m_previous(g_shell) {
    g_shell = &shell;
}

ScopedDesktopShell::~ScopedDesktopShell() {
    g_shell = m_previous;
}

} // namespace paysmith
