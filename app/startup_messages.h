#pragma once

namespace app {

// Call before constructing QApplication: Qt's messages are held back while it starts the
// window system, and a window system that cannot start ends the program with status 1 and
// one line on standard error that says why, instead of Qt's messages and an abort.
void holdStartupMessages();

// Call once QApplication is constructed: restores Qt's message handling and prints, as Qt
// would have, whatever was held back.
void releaseStartupMessages();

}  // namespace app
