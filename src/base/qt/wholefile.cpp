#include "base/qt/wholefile.h"

#include <QSaveFile>

namespace paysmith {

bool commitSaveFile(QSaveFile& file) {
    return file.commit();
}

bool writeWholeFile(const QString& path, std::string_view content, CommitStep commit) {
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only in commit(); a failure before that leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    // A short write (disk full, file-size limit) sets no error, and commit()
    // would then put the truncated file in place: the count has to be checked.
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return commit(file);
}

} // namespace paysmith
