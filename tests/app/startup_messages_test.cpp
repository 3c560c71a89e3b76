#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/startup_messages.h"

namespace {

using app::StartupMessage;

// As Qt 6.4 and 6.8 gave them to the game started with an empty environment; only 6.8 warns of the locale.
const StartupMessage locale{QtWarningMsg, "default",
    "Detected locale \"C\" with character encoding \"ANSI_X3.4-1968\", which is not UTF-8.\nQt depends on a UTF-8 "
    "locale, and has switched to \"C.UTF-8\" instead.\nIf this causes problems, reconfigure your locale. See the "
    "locale(1) manual\nfor more information."};
const StartupMessage noX{QtWarningMsg, "qt.qpa.xcb", "could not connect to display "};
const StartupMessage noCursor{QtWarningMsg, "qt.qpa.plugin",
    "From 6.5.0, xcb-cursor0 or libxcb-cursor0 is needed to load the Qt xcb platform plugin."};
const StartupMessage xcbFailed{
    QtInfoMsg, "qt.qpa.plugin", "Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found."};
const StartupMessage noPlugin{
    QtWarningMsg, "qt.qpa.plugin", "Could not find the Qt platform plugin \"nowhere\" in \"\""};
const StartupMessage noWayland64{QtCriticalMsg, "", "Failed to create wl_display (No such file or directory)"};
const StartupMessage noWayland68{QtWarningMsg, "", noWayland64.text};
const StartupMessage waylandFailed{
    QtInfoMsg, "qt.qpa.plugin", "Could not load the Qt platform plugin \"wayland\" in \"\" even though it was found."};

const QString fatalLine{"This application failed to start because no Qt platform plugin could be initialized. "
                        "Reinstalling the application may fix this problem."};
const QString fatal{fatalLine + "\n\nAvailable platform plugins are: xcb, wayland.\n"};

TEST(StartupFailureReason, IsThePlatformsOwnWhateverQtSaidBeforeIt)
{
    const std::pair<std::vector<StartupMessage>, QString> cases[]{
        {{noX, xcbFailed}, noX.text},
        {{locale, noX, noCursor, xcbFailed}, noX.text},
        {{noPlugin}, noPlugin.text},
        {{locale, noPlugin}, noPlugin.text},
        {{noWayland64, waylandFailed}, noWayland64.text},
        {{locale, noWayland68, waylandFailed}, noWayland68.text},
        {{}, fatalLine},
    };
    for (const auto& [messages, reason] : cases)
        EXPECT_EQ(app::startupFailureReason(messages, fatal).toStdString(), reason.toStdString());
}

}  // namespace
