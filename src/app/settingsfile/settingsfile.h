#pragma once

#include "app/settings/savedvalues.h"
#include "base/qt/wholefile.h"

#include <QString>

#include <string>
#include <string_view>

namespace paysmith {

// <config folder>/Harrowfield Financial Software/Paysmith/paysmith.ini, the
// config folder being looked up anew on every call.
QString settingsFilePath();

// The file's bytes; a missing or unreadable file reads as empty.
std::string readSettingsFile(const QString& path);

// Replaces the file whole or not at all, creating missing folders on the way.
// Throws SettingsWriteError naming `path` and the reason; the previous file
// is then untouched.
void writeSettingsFile(const QString& path, std::string_view content,
                       CommitStep commit = commitSaveFile);

SavedValues loadSavedValues(char16_t decimalSeparator);

// The text of the file at `path` with the program's keys set to `values`;
// its other lines stay as they are.
std::string settingsText(const QString& path, const SavedValues& values, char16_t decimalSeparator);

// Reads the file, sets the program's keys and writes it all back, so lines
// the program does not own survive. Throws SettingsWriteError.
void saveValues(const SavedValues& values, char16_t decimalSeparator);

} // namespace paysmith
