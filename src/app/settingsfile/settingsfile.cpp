#include "app/settingsfile/settingsfile.h"

#include "app/settings/settingswriteerror.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

bool commitSaveFile(QSaveFile& file) {
    return file.commit();
}

void writeSettingsFile(const QString& path, std::string_view content, CommitStep commit) {
    // No installer makes these folders on Linux, so the program does.
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        failToWrite(path);

    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only in commit(); a failure before that leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        failToWrite(path);
    // A short write (disk full, file-size limit) sets no error, and commit()
    // would then put the truncated file in place: the count has to be checked.
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        failToWrite(path);
    }
    if (!commit(file))
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
