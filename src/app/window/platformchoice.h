#pragma once

namespace paysmith {

// Before the application object exists: under a Wayland session that also
// offers XWayland, and unless the user chose a platform, runs on X11.
void preferXWayland();

} // namespace paysmith
