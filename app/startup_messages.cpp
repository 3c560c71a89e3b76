#include "app/startup_messages.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace app {
namespace {

// The context's strings are copied: some belong to a platform plugin that Qt unloads
// again when it fails to start.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    std::string file;
    std::string function;
    int line;
    QString text;
};

std::mutex heldMutex;
bool holding = false;
std::vector<HeldMessage> held;
QtMessageHandler qtHandler = nullptr;

const char* nullIfEmpty(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

// Qt ends its fatal message with "Available platform plugins are: minimal, xcb, ...".
QStringList installedPlugins(const QString& fatal)
{
    const QString lead = QStringLiteral("Available platform plugins are: ");
    const qsizetype start = fatal.indexOf(lead);
    if (start < 0)
        return {};
    return fatal.mid(start + lead.size()).section(u'.', 0, 0).split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

// The first platform Qt tried, chosen as Qt chooses: the first name in QT_QPA_PLATFORM
// ("name:arguments;name..."), else Wayland in a Wayland session, else X11.
QString firstPlatform()
{
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (chosen.isEmpty()) {
        const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
            || qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland");
        return wayland ? QStringLiteral("wayland") : QStringLiteral("xcb");
    }
    for (const QString& entry : chosen.split(u';', Qt::SkipEmptyParts)) {
        QString name = entry.split(u':', Qt::SkipEmptyParts).value(0).toLower();
        if (!name.isEmpty())
            return name;
    }
    return {};
}

// What is missing and how to get it, as "problem; fix", from Qt's fatal message.
QString whyNoWindow(const QString& fatal)
{
    const QString platform = firstPlatform();
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    // A plugin that loads may still stop the program with a message of its own.
    if (!fatal.contains(QStringLiteral("no Qt platform plugin could be initialized"))) {
        const QString said = fatal.section(u'\n', 0, 0).trimmed();
        if (chosen.isEmpty())
            return QStringLiteral("Qt's platform plugin failed: \"%1\"").arg(said);
        return QStringLiteral("the Qt platform plugin \"%1\" named by QT_QPA_PLATFORM failed: \"%2\"; unset "
                              "QT_QPA_PLATFORM to let Qt choose")
            .arg(platform, said);
    }
    const bool isInstalled = installedPlugins(fatal).contains(platform);
    if (platform == QStringLiteral("xcb")) {
        const QString display = qEnvironmentVariable("DISPLAY");
        if (!isInstalled)
            return QStringLiteral("Qt's X11 plugin is not installed; install qt6-qpa-plugins");
        if (display.isEmpty())
            return QStringLiteral(
                "DISPLAY is not set; run it in a graphical session, or set DISPLAY to a running X server");
        return QStringLiteral("no connection to the X server at DISPLAY=%1; check that it is running and that this "
                              "user may use it")
            .arg(display);
    }
    if (platform.startsWith(QStringLiteral("wayland"))) {
        if (!isInstalled)
            return QStringLiteral("Qt's Wayland plugin, which a Wayland session needs, is not installed; install "
                                  "qt6-wayland");
        const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        return QStringLiteral("no connection to the Wayland compositor at WAYLAND_DISPLAY=%1; check that it is running")
            .arg(display);
    }
    if (!isInstalled)
        return QStringLiteral("QT_QPA_PLATFORM is \"%1\", which names no installed Qt platform plugin; unset it to let "
                              "Qt choose")
            .arg(chosen);
    return QStringLiteral("the Qt platform plugin \"%1\" named by QT_QPA_PLATFORM did not start; unset QT_QPA_PLATFORM "
                          "to let Qt choose")
        .arg(platform);
}

void holdingHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(heldMutex);
    if (!holding) {
        qtHandler(type, context, text);
        return;
    }
    if (type != QtFatalMsg) {
        const auto copy = [](const char* text) { return std::string(text != nullptr ? text : ""); };
        held.push_back({type, copy(context.category), copy(context.file), copy(context.function), context.line, text});
        return;
    }
    // Any fatal message while Qt starts its platform means there is no window to open.
    std::fprintf(stderr, "huecracker: cannot open a window: %s\n", whyNoWindow(text).toLocal8Bit().constData());
    // Not std::exit: that would run Qt's global destructors from inside QApplication's
    // constructor. Nor return: Qt aborts once the handler of a fatal message returns.
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
        const QMessageLogContext context(
            nullIfEmpty(message.file), message.line, nullIfEmpty(message.function), nullIfEmpty(message.category));
        qtHandler(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace app
