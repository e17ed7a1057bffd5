#pragma once

#include <QString>

#include <string_view>

class QSaveFile;

namespace paysmith {

// The last step of a save, which renames the written file over the old one.
// It can fail after every write succeeded; tests pass one that does.
using CommitStep = bool (*)(QSaveFile& file);
bool commitSaveFile(QSaveFile& file);

// Replaces the file at `path` with `content` whole, or leaves it as it was
// and returns false. The folder must exist.
bool writeWholeFile(const QString& path, std::string_view content,
                    CommitStep commit = commitSaveFile);

} // namespace paysmith
