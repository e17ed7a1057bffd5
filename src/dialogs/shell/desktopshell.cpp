#include "dialogs/shell/desktopshell.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <memory>

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
//
// The opener runs detached: a generic desktop's xdg-open waits for the browser
// it starts, and a link followed just before closing must not die with the
// program. Since a detached process cannot be waited for, a shell around it
// writes its exit status to a file of ours, which a watcher reads.
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
        const QString statusPath = newStatusFile();
        if (statusPath.isEmpty() || !startOpener(opener, target, statusPath)) {
            QFile::remove(statusPath);
            answerLater(std::move(answered), ShellAnswer::Refused);
            return;
        }
        // The opener may have answered before the watcher looks: read once
        // from the event loop as well.
        auto* watcher = new QFileSystemWatcher({statusPath}, qApp);
        auto readStatus = [watcher, statusPath, answered = std::move(answered)] {
            QFile status(statusPath);
            if (!status.open(QIODevice::ReadOnly))
                return;
            const QByteArray written = status.readAll();
            if (!written.endsWith('\n') || watcher->files().isEmpty())
                return;
            watcher->removePath(statusPath);
            watcher->deleteLater();
            QFile::remove(statusPath);
            if (answered)
                answered(written.trimmed() == "0" ? ShellAnswer::Accepted : ShellAnswer::Refused);
        };
        QObject::connect(watcher, &QFileSystemWatcher::fileChanged, watcher, readStatus);
        QTimer::singleShot(0, watcher, readStatus);
    }

    void beep() override { QApplication::beep(); }

  private:
    QString newStatusFile() {
        if (!m_statusFolder)
            m_statusFolder = std::make_unique<QTemporaryDir>();
        if (!m_statusFolder->isValid())
            return {};
        const QString path = m_statusFolder->filePath(QString::number(++m_requests));
        QFile file(path);
        return file.open(QIODevice::WriteOnly) ? path : QString();
    }

    static bool startOpener(const QString& opener, const QString& target,
                            const QString& statusPath) {
        QProcess process;
        process.setProgram(QStringLiteral("/bin/sh"));
        process.setArguments({QStringLiteral("-c"),
                              QStringLiteral("\"$0\" \"$1\" >/dev/null 2>&1; echo $?"), opener,
                              target});
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(statusPath);
        process.setStandardErrorFile(QProcess::nullDevice());
        return process.startDetached();
    }

    std::unique_ptr<QTemporaryDir> m_statusFolder;
    int m_requests = 0;
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
