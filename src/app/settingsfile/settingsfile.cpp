#include "app/settingsfile/settingsfile.h"

#include "app/settings/settingswriteerror.h"
#include "base/qt/wholefile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace paysmith {

namespace {

constexpr auto kSettingsSubfolder = "/Harrowfield Financial Software/Paysmith/";
constexpr auto kSettingsFileName = "paysmith.ini";

[[noreturn]] void failToWrite(const QString& path) {
    throw SettingsWriteError(path.toStdString());
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
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        failToWrite(path);

    if (!writeWholeFile(path, content, commit))
        failToWrite(path);
}

SavedValues loadSavedValues(char16_t decimalSeparator) {
    return readSavedValues(IniDocument(readSettingsFile(settingsFilePath())), decimalSeparator);
}

void saveValues(const SavedValues& values, char16_t decimalSeparator) {
    const QString path = settingsFilePath();
    IniDocument document(readSettingsFile(path));
    writeSavedValues(document, values, decimalSeparator);
    writeSettingsFile(path, document.text());
}

} // namespace paysmith
