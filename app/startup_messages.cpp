#include "app/startup_messages.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>

#include <QString>
#include <QtGlobal>

namespace app {
namespace {

std::mutex heldMutex;
bool holding = false;
std::vector<StartupMessage> held;
QtMessageHandler qtHandler = nullptr;

// How much a message tells of why the platform failed. Debug and info messages
// only trace, the plugin loader's "could not load" among them; the platform's own
// categories tell more than the loader's guesses ("xcb-cursor0 is needed") and
// than messages of no category, a platform's failed system call among them.
int weight(const StartupMessage& message)
{
    if (message.type != QtWarningMsg && message.type != QtCriticalMsg)
        return 0;
    const std::string_view category = message.category;
    return category.starts_with("qt.qpa.") && category != "qt.qpa.plugin" ? 2 : 1;
}

void holdingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(heldMutex);
    if (!holding) {
        qtHandler(type, context, text);
        return;
    }
    if (type != QtFatalMsg) {
        held.push_back({type, context.category != nullptr ? context.category : "", text});
        return;
    }
    // A fatal message while Qt starts its platform means there is no window to open.
    const QString reason = startupFailureReason(held, text);
    std::fprintf(stderr,
        "huecracker: cannot open a window: %s (it needs a graphical session: DISPLAY or WAYLAND_DISPLAY naming a "
        "running "
        "display server)\n",
        reason.simplified().toLocal8Bit().constData());
    // Not std::exit: that would run Qt's global destructors from inside
    // QApplication's constructor. Nor return: Qt aborts once the handler of a
    // fatal message returns.
    std::_Exit(1);
}

}  // namespace

QString startupFailureReason(const std::vector<StartupMessage>& messages, const QString& fatal)
{
    // The latest of the most telling: what Qt says before it loads a platform, such as
    // a locale that is not UTF-8, comes before anything the platform says.
    const StartupMessage* reason = nullptr;
    for (const StartupMessage& message : messages) {
        if (weight(message) > 0 && (reason == nullptr || weight(message) >= weight(*reason)))
            reason = &message;
    }
    return reason != nullptr ? reason->text : fatal.section(u'\n', 0, 0);
}

void holdStartupMessages()
{
    // Qt aborts right after a message these make fatal, so a message held back would be lost.
    if (qEnvironmentVariableIsSet("QT_FATAL_WARNINGS") || qEnvironmentVariableIsSet("QT_FATAL_CRITICALS"))
        return;
    const std::lock_guard lock(heldMutex);
    holding = true;
    qtHandler = qInstallMessageHandler(holdingHandler);
}

void releaseStartupMessages()
{
    const std::lock_guard lock(heldMutex);
    if (!holding)
        return;
    holding = false;
    qInstallMessageHandler(qtHandler);
    for (const StartupMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qtHandler(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace app
