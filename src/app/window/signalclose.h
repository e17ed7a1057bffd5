#pragma once

class QWidget;

namespace paysmith {

// Closes `window` as its close button does when the desktop ends the program:
// on SIGTERM, SIGHUP or SIGINT, and when the session manager asks programs to
// save at logout. The close saves the inputs, so they survive either way; it
// runs once, however many of these arrive.
void closeWhenTheSessionEnds(QWidget& window);

} // namespace paysmith
