#pragma once

class QWidget;

namespace paysmith {

// Before the application object exists: under a Wayland session that also
// offers XWayland, and unless the user chose a platform, runs on X11.
void preferXWayland();

// Under Qt's own Wayland plug-in, lets the fixed-size `window` grow when the
// compositor maximises it, its contents keeping their size in the corner: a
// window that answers a maximised state with another size is ended by the
// compositor.
void keepFixedSizeSafeUnderWayland(QWidget& window);

} // namespace paysmith
