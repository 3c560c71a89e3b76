#include "app/startup_messages.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include <QString>
#include <QtGlobal>

namespace app {
namespace {

// The category is copied: it may belong to a platform plugin that Qt unloads
// again when it fails to start.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

std::mutex heldMutex;
bool holding = false;
std::vector<HeldMessage> held;
QtMessageHandler qtHandler = nullptr;

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
    // A fatal message while Qt starts its platform means there is no window to
    // open. Its own text says only that, and so does the plugin loader's last
    // word; the platform's own warning before them says why.
    QString reason = text.section(u'\n', 0, 0);
    for (auto message = held.rbegin(); message != held.rend(); ++message) {
        reason = message->text;
        if (message->category != "qt.qpa.plugin")
            break;
    }
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
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qtHandler(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace app
