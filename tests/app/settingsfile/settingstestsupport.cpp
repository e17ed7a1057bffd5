#include "settingstestsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDevice>
#include <QProcess>

namespace paysmith {

ScratchConfig::ScratchConfig()
    : m_previousConfigHome(qgetenv("XDG_CONFIG_HOME")),
      m_hadConfigHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    QDir().mkpath(configFolder());
    qputenv("XDG_CONFIG_HOME", configFolder().toLocal8Bit());
}

ScratchConfig::~ScratchConfig() {
    if (m_hadConfigHome)
        qputenv("XDG_CONFIG_HOME", m_previousConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
    // Tests take write permission away; without it the folder cannot go.
    QDirIterator it(m_root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
}

QString ScratchConfig::settingsFolder() const {
    return configFolder() + "/Harrowfield Financial Software/Paysmith";
}

QString ScratchConfig::settingsFile() const {
    return settingsFolder() + "/paysmith.ini";
}

void ScratchConfig::writeSettingsFile(const QByteArray& content) const {
    QDir().mkpath(settingsFolder());
    QFile file(settingsFile());
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray ScratchConfig::settingsFileContent() const {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> ScratchConfig::snapshot() const {
    QMap<QString, QByteArray> entries;
    QDirIterator it(m_root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        entries[path] = it.fileInfo().isDir()            ? QByteArray("<folder>")
                        : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                         : QByteArray("<unreadable>");
    }
    return entries;
}

QByteArray foreignNotes(int count) {
    QByteArray notes = "[Notes]\n";
    for (int i = 0; i < count; ++i)
        notes += "Note" + QByteArray::number(i) + "=" + QByteArray(40, 'n') + "\n";
    return notes;
}

QString saveHelperPath() {
    return QStringLiteral(PAYSMITH_SAVE_HELPER);
}

HelperRun runSaveHelper(const QStringList& arguments, const QStringList& command) {
    QProcess process;
    process.start(command.first(), command.mid(1) + arguments);
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace paysmith
