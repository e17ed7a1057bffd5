#include "app/settingsfile/settingsfile.h"

#include "app/settings/settingswriteerror.h"
#include "base/qt/wholefile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

namespace paysmith {

namespace {

constexpr auto kSettingsSubfolder = "/Harrowfield Financial Software/Paysmith/";
constexpr auto kSettingsFileName = "paysmith.ini";

[[noreturn]] void failToWrite(const QString& path, const QString& reason) {
    throw SettingsWriteError(path.toStdString(), reason.toStdString());
}

} // namespace

QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String(kSettingsSubfolder) + QLatin1String(kSettingsFileName);
}

std::string readSettingsFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void writeSettingsFile(const QString& path, std::string_view content, CommitStep commit) {
    // No installer makes these folders on Linux, so the program does.
    errno = 0;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        failToWrite(path, qt_error_string(errno));

    const WriteOutcome outcome = writeWholeFile(path, content, commit);
    if (!outcome.written)
        failToWrite(path, outcome.failure);
}

SavedValues loadSavedValues(char16_t decimalSeparator) {
    return readSavedValues(IniDocument(readSettingsFile(settingsFilePath())), decimalSeparator);
}

std::string settingsText(const QString& path, const SavedValues& values,
                         char16_t decimalSeparator) {
    IniDocument document(readSettingsFile(path));
    writeSavedValues(document, values, decimalSeparator);
    return document.text();
}

void saveValues(const SavedValues& values, char16_t decimalSeparator) {
    const QString path = settingsFilePath();
    writeSettingsFile(path, settingsText(path, values, decimalSeparator));
}

} // namespace paysmith
