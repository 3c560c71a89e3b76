#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QtGlobal>

namespace app {

// The category is copied: it may belong to a platform plugin that Qt unloads again
// when it fails to start.
struct StartupMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// Why the window system could not start, from the messages Qt gave before its fatal one:
// the platform's own reason whatever Qt said before it, else the fatal message's first line.
[[nodiscard]] QString startupFailureReason(const std::vector<StartupMessage>& messages, const QString& fatal);

// Call before constructing QApplication: Qt's messages are held back while it starts the
// window system, and a window system that cannot start ends the program with status 1 and
// one line on standard error that says why, instead of Qt's messages and an abort.
void holdStartupMessages();

// Call once QApplication is constructed: restores Qt's message handling and prints, as Qt
// would have, whatever was held back.
void releaseStartupMessages();

}  // namespace app
