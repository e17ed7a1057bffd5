#pragma once

#include <functional>

class QPoint;
class QString;
class QWidget;

namespace paysmith {

// The menu a right click on a link brings up: open the link, or copy its
// address. The click itself opens nothing and brings up no other menu, so
// that one click does one thing.
void showLinkMenu(QWidget* link, const QPoint& globalPos, const QString& address,
                  const std::function<void()>& open);

} // namespace paysmith
