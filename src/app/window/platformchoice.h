#pragma once

namespace paysmith {

// Before the application object exists: under a Wayland session that also
// offers XWayland, and unless the user chose a platform, runs on X11.
void preferXWayland();

// Under Qt's own Wayland plug-in, lets every fixed-size window of the program
// grow when the compositor maximises it, its contents keeping their size in
// the corner: a window that answers a maximised state with another size is
// ended by the compositor, and Qt draws a maximise button on dialogs too.
void keepFixedSizesSafeUnderWayland();

} // namespace paysmith
