// How long the window waits for its manager to tell the frame.
#include "ui/qt/frame_extents.h"

#include <gtest/gtest.h>

#include "tests/support/qt_support.h"

namespace ui::qt {
namespace {

TEST(AwaitFrame, WaitsForAManagerThatAnswersLateButNotForever)
{
    const QMargins openbox(1, 20, 1, 1);
    int reads = 0;
    const auto late = [&] { return ++reads < 20 ? std::nullopt : std::optional(openbox); };
    EXPECT_EQ(awaitFrame(late, std::chrono::seconds(1)), openbox);
    EXPECT_EQ(awaitFrame([] { return std::optional<QMargins>(); }, std::chrono::milliseconds(10)), std::nullopt);
}

}  // namespace
}  // namespace ui::qt
