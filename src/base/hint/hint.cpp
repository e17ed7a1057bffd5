#include "base/hint/hint.h"

#include <QVariant>
#include <QWidget>

namespace paysmith {

namespace {

constexpr char kHintProperty[] = "hint";
constexpr int kPopUpMilliseconds = 4000;

} // namespace

QString shortHintPart(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHintPart(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget* control, const QString& hint, PopUpHint popUp) {
    control->setProperty(kHintProperty, hint);
    control->setAccessibleDescription(longHintPart(hint).trimmed());
    if (popUp == PopUpHint::Off) {
        control->setToolTip({});
        return;
    }
    // Hints are mark-up; a paragraph that does not wrap keeps the pop-up as
    // wide as its text.
    control->setToolTip(
        QStringLiteral("<p style='white-space:pre'>%1</p>").arg(shortHintPart(hint)));
    control->setToolTipDuration(kPopUpMilliseconds);
}

QString hintOf(const QWidget* control) {
    return control->property(kHintProperty).toString();
}

QString currentHintOf(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QString hint = hintOf(w);
        if (!hint.isEmpty())
            return longHintPart(hint);
    }
    return {};
}

} // namespace paysmith
