#include <array>
#include <cstddef>
#include <optional>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "app/platform.h"

namespace {

// Even in a Wayland session with no compositor, where Qt's own choice of Wayland could only fail.
TEST(ChoosePlatform, LeavesThePlayersOwnPlatform)
{
    constexpr std::array names{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "XDG_SESSION_TYPE"};
    constexpr std::array<const char*, names.size()> values{"wayland", ":0", nullptr, nullptr, "wayland"};
    std::array<std::optional<QByteArray>, names.size()> saved;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (qEnvironmentVariableIsSet(names[i]))
            saved[i] = qgetenv(names[i]);
        values[i] != nullptr ? qputenv(names[i], values[i]) : qunsetenv(names[i]);
    }
    app::choosePlatform();
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    for (std::size_t i = 0; i < names.size(); ++i)
        saved[i] ? qputenv(names[i], *saved[i]) : qunsetenv(names[i]);
    EXPECT_EQ(chosen.toStdString(), "wayland");
}

}  // namespace
