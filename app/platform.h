#pragma once

namespace app {

// Call before constructing QApplication: in a Wayland session where Qt's own
// choice of its Wayland platform can only fail and fall back to X11, X11 is
// chosen at once, and the messages of that failure are never printed. What the
// player set in QT_QPA_PLATFORM stands, and so do Qt's messages about it.
void choosePlatform();

}  // namespace app
