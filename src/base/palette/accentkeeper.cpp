#include "base/palette/accentkeeper.h"

#include "base/qt/readablecolour.h"

#include <QEvent>
#include <QWidget>

namespace paysmith {

namespace {

// Puts the accent back, shaded for the background, each time the palette
// changes under the widget.
class AccentKeeper : public QObject {
  public:
    AccentKeeper(QWidget* widget, const QColor& accent) : QObject(widget), m_accent(accent) {
        widget->installEventFilter(this);
        apply(widget);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            apply(static_cast<QWidget*>(watched));
        return false;
    }

  private:
    void apply(QWidget* widget) const {
        QPalette palette = widget->palette();
        const QColor shown = readableAccent(m_accent, palette.color(widget->backgroundRole()));
        // Setting the same colour again changes nothing, so no new event.
        if (palette.color(widget->foregroundRole()) == shown)
            return;
        palette.setColor(widget->foregroundRole(), shown);
        widget->setPalette(palette);
    }

    QColor m_accent;
};

} // namespace

void keepAccent(QWidget* widget, const QColor& accent) {
    new AccentKeeper(widget, accent);
}

} // namespace paysmith
