#include "base/qt/wholefile.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cerrno>

namespace paysmith {

bool commitSaveFile(QSaveFile& file) {
    return file.commit();
}

WriteOutcome writeWholeFile(const QString& path, std::string_view content, CommitStep commit) {
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target only in commit(); a failure before that leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    // A short write (disk full, file-size limit) sets no error, and commit()
    // would then put the truncated file in place: the count has to be checked.
    // The write that came back short left its reason in errno.
    const auto size = static_cast<qint64>(content.size());
    errno = 0;
    if (file.write(content.data(), size) != size || !file.flush()) {
        const int shortWrite = errno;
        const QString failure = file.error() != QFileDevice::NoError ? file.errorString()
                                : shortWrite != 0
                                    ? qt_error_string(shortWrite)
                                    : QCoreApplication::translate("paysmith::WholeFile",
                                                                  "Not all of it could be written");
        file.cancelWriting();
        return {false, failure};
    }
    if (!commit(file))
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace paysmith
