#pragma once

#include <QString>

class QWidget;

namespace paysmith {

// A control's hint holds an optional short part, for a pop-up, and a long
// part, for the status line, separated by the first "|". Without "|" both
// parts are the whole text.
QString shortHintPart(const QString& hint);
QString longHintPart(const QString& hint);

// Whether a control shows the short part of its hint as a pop-up. Most do
// not: their hint reaches only the status bar.
enum class PopUpHint { Off, On };

void setHint(QWidget* control, const QString& hint, PopUpHint popUp = PopUpHint::Off);
QString hintOf(const QWidget* control);

// The long part of the hint of `control`, or of its nearest enclosing control
// in the same window with a hint; empty when none has one.
QString currentHintOf(const QWidget* control);

} // namespace paysmith
