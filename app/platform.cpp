#include "app/platform.h"

#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace app {
namespace {

// The folders where Qt looks for its platform plugins, as it looks.
bool waylandPluginInstalled()
{
    QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms")};
    if (const QString own = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !own.isEmpty())
        folders << own;
    const QStringList bases = qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& base : bases)
        folders << base + QStringLiteral("/platforms");
    for (const QString& folder : folders) {
        if (!QDir(folder).entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

}  // namespace

void choosePlatform()
{
    // Without an X server to fall back to, Qt's messages say what is missing.
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    const bool compositor
        = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
    const bool waylandSession = compositor || qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland");
    if (waylandSession && (!compositor || !waylandPluginInstalled()))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

}  // namespace app
