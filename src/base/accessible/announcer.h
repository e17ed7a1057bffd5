#pragma once

#include <QString>

class QWidget;

namespace paysmith {

// Tells screen readers `text` once, without taking the focus from where it
// is: as a notification of `source`'s window, shown anew for each
// announcement, which Orca speaks when it is shown. Texts announced while the
// program is busy go out together, in order, once it is idle, so that they
// follow what the same key made the reader say, such as the control the
// focus moved to. Every announcement of the program goes through here.
void announce(QWidget* source, const QString& text);

// The text last announced, for tests.
QString lastAnnouncement();

} // namespace paysmith
