#pragma once

#include <QString>

#include <string_view>

class QSaveFile;

namespace paysmith {

// The last step of a save, which renames the written file over the old one.
// It can fail after every write succeeded; tests pass one that does.
using CommitStep = bool (*)(QSaveFile& file);
bool commitSaveFile(QSaveFile& file);

struct WriteOutcome {
    bool written = false;
    // Why not, in the system's words ("Permission denied", "No space left on
    // device"), when the file was not written.
    QString failure;
};

// Replaces the file at `path` with `content` whole, or leaves it as it was.
// The folder must exist.
WriteOutcome writeWholeFile(const QString& path, std::string_view content,
                            CommitStep commit = commitSaveFile);

} // namespace paysmith
