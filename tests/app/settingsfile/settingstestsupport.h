#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace paysmith {

// A configuration folder of its own for one test: XDG_CONFIG_HOME points into
// a fresh temporary folder for as long as the object lives.
class ScratchConfig {
  public:
    ScratchConfig();
    ~ScratchConfig();
    ScratchConfig(const ScratchConfig&) = delete;
    ScratchConfig& operator=(const ScratchConfig&) = delete;

    bool isValid() const { return m_root.isValid(); }
    QString root() const { return m_root.path(); }
    QString configFolder() const { return m_root.path() + "/config"; }
    QString settingsFolder() const;
    QString settingsFile() const;

    // Makes the settings folder and writes `content` as the settings file.
    void writeSettingsFile(const QByteArray& content) const;
    QByteArray settingsFileContent() const;

    // Every file and folder below the root with its content, to show that a
    // failed save changed nothing.
    QMap<QString, QByteArray> snapshot() const;

  private:
    QTemporaryDir m_root;
    QByteArray m_previousConfigHome;
    bool m_hadConfigHome;
};

// A section "Notes" of `count` lines of about 50 bytes that no save may lose.
QByteArray foreignNotes(int count);

QString saveHelperPath();

struct HelperRun {
    int exitCode = -1;
    QString errorOutput;
};

// Runs `command` (the helper, or programs such as setpriv or prlimit that
// exec the rest of their command line up to the helper) with `arguments`.
HelperRun runSaveHelper(const QStringList& arguments,
                        const QStringList& command = {saveHelperPath()});

} // namespace paysmith
