#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace paysmith {

// The picture at `path`, read as `format` alone; the pictures compiled into
// the program are there under ":/". Qt's own readers probe every
// image plug-in installed for whether it can read the file, loading each;
// these never do.
QPixmap pictureOf(const QString& path, const char* format);
// The PNG picture at `path` as an icon, read when it is first drawn.
QIcon pngIcon(const QString& path);

} // namespace paysmith
