#include "base/qt/pngicon.h"

#include "resources/compiledresources.h"

#include <QImageReader>

namespace paysmith {

QPixmap pictureOf(const QString& path, const char* format) {
    useCompiledResources();
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon pngIcon(const QString& path) {
    return QIcon(pictureOf(path, "PNG"));
}

} // namespace paysmith
