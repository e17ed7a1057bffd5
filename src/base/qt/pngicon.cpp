#include "base/qt/pngicon.h"

#include "resources/compiledresources.h"

#include <QIconEngine>
#include <QImageReader>

#include <optional>
#include <utility>

namespace paysmith {

namespace {

// An icon that reads its picture when first drawn or measured: most of the
// program's icons sit in menus that may never open, and reading them all would
// only slow the start.
class PngIconEngine : public QIconEngine {
  public:
    explicit PngIconEngine(QString path) : m_path(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        read().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return read().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return read().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return read().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return read().availableSizes(mode, state);
    }
    bool isNull() override { return read().isNull(); }
    QIconEngine* clone() const override { return new PngIconEngine(*this); }

  private:
    const QIcon& read() {
        if (!m_picture)
            m_picture = QIcon(pictureOf(m_path, "PNG"));
        return *m_picture;
    }

    QString m_path;
    std::optional<QIcon> m_picture;
};

} // namespace

QPixmap pictureOf(const QString& path, const char* format) {
    useCompiledResources();
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon pngIcon(const QString& path) {
    return QIcon(new PngIconEngine(path));
}

} // namespace paysmith
