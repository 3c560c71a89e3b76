// Where each load of the window opens and at what scale, worked out by hand.
// The window's natural client area is 524 x 629 pixels.
#include "ui/qt/placement.h"

#include <gtest/gtest.h>

#include "tests/support/qt_support.h"
#include "ui/qt/scale.h"

namespace ui::qt {
namespace {

const QSize Natural(524, 629);

TEST(FitScale, IsOneWhereTheWindowFitsAndShrinksAlikeWhereNot)
{
    struct Case {
        const char* what;
        QMargins frame;
        QRect area;
        double scale;
    };
    const Case cases[] = {
        {"a desktop screen", {}, {0, 0, 1280, 1024}, 1.0},
        {"exactly the natural size", {}, {0, 0, 524, 629}, 1.0},
        {"portrait, tall enough", {}, {0, 0, 600, 1024}, 1.0},
        {"portrait, framed", {4, 30, 4, 4}, {0, 0, 600, 1024}, 1.0},
        {"a netbook: the height decides", {}, {0, 0, 1024, 600}, 600.0 / 629},
        {"a frame counts", {1, 20, 1, 1}, {0, 0, 1024, 600}, 579.0 / 629},
        {"a thicker frame counts more", {4, 30, 4, 4}, {0, 0, 1024, 600}, 566.0 / 629},
        {"a title bar alone", {0, 37, 0, 0}, {0, 0, 1024, 600}, 563.0 / 629},
        {"a panel's area", {}, {0, 32, 1024, 568}, 568.0 / 629},
        {"narrow: the width decides", {2, 2, 2, 2}, {0, 0, 266, 1024}, 262.0 / 524},
        {"never below a quarter", {}, {0, 0, 100, 100}, 0.25},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(fitScale(Natural, c.frame, c.area), c.scale) << c.what;
}

TEST(LearntFrame, TheFirstFrameKnownStandsForEveryLaterLoad)
{
    const QMargins openbox(1, 20, 1, 1);
    // No manager answered before the first load: the frame it then drew is learnt.
    EXPECT_EQ(learntFrame(std::nullopt, openbox), openbox);
    // Restarted before its manager framed it: what was known stays known.
    EXPECT_EQ(learntFrame(openbox, QMargins()), openbox);
    // A frame that differs later would change the window's size from load to load.
    EXPECT_EQ(learntFrame(openbox, QMargins(4, 30, 4, 4)), openbox);
    // No manager at all: nothing to learn, and a manager that comes later still can teach.
    EXPECT_EQ(learntFrame(std::nullopt, QMargins()), std::nullopt);
}

TEST(RoomBesideUnknownDecorations, KeepsAPanelAndATitleBarThatThePlatformCannotTellFree)
{
    const QRect output(0, 0, 1024, 600);
    // The title bar that the program draws is in its frame: only a panel is unknown.
    EXPECT_EQ(roomBesideUnknownDecorations({3, 30, 3, 3}, output, output), QRect(0, 32, 1024, 568));
    // The compositor draws the title bar: neither is known.
    EXPECT_EQ(roomBesideUnknownDecorations({}, output, output), QRect(0, 64, 1024, 536));
    // A platform that leaves a panel out of the available area has said where it is.
    EXPECT_EQ(roomBesideUnknownDecorations({3, 30, 3, 3}, output, {0, 40, 1024, 560}), QRect(0, 40, 1024, 560));
    // On weston's 1024x600 output the window, title bar included, fits below its
    // 32 pixel panel: 535 of 629 pixels for the client, 568 in all.
    const double scale = fitScale(Natural, {3, 30, 3, 3}, roomBesideUnknownDecorations({3, 30, 3, 3}, output, output));
    EXPECT_EQ(Scale(scale).clientSize(7860, 9435), QSize(445, 535));
    // A large output keeps the natural size.
    const QRect large(0, 0, 1920, 1080);
    EXPECT_DOUBLE_EQ(fitScale(Natural, {}, roomBesideUnknownDecorations({}, large, large)), 1.0);
}

TEST(CentredClientPosition, CentresTheFrameAndKeepsAnOversizedWindowOnTheScreen)
{
    EXPECT_EQ(centredClientPosition(Natural, {}, {0, 0, 1024, 768}), QPoint(250, 69));
    // Frame included: left 1, top 20, right 1, bottom 1, around 482x579 on 1024x600.
    EXPECT_EQ(centredClientPosition({482, 579}, {1, 20, 1, 1}, {0, 0, 1024, 600}), QPoint(270 + 1, 0 + 20));
    // A panel moves the area, and the window with it.
    EXPECT_EQ(centredClientPosition(Natural, {}, {0, 40, 1024, 728}), QPoint(250, 40 + 49));
    EXPECT_EQ(centredClientPosition(Natural, {4, 30, 4, 4}, {100, 0, 400, 500}), QPoint(104, 30));
    // Frames of other sizes: the frame's outer edges are centred, not the client's.
    EXPECT_EQ(centredClientPosition({445, 535}, {3, 30, 3, 3}, {0, 0, 1024, 600}), QPoint(286 + 3, 16 + 30));
    EXPECT_EQ(centredClientPosition({490, 563}, {0, 37, 0, 0}, {0, 27, 1024, 573}), QPoint(267, 27 + 0 + 37));
    // Portrait: 600x1024 holds the natural window with room to spare.
    EXPECT_EQ(centredClientPosition(Natural, {1, 20, 1, 1}, {0, 0, 600, 1024}), QPoint(37 + 1, 187 + 20));
}

// A netbook with a 32 pixel panel at the top, under a manager that frames
// windows left 1, top 20, right 1, bottom 1.
TEST(Placement, FitsAndCentresInWhatThePanelLeavesAndKeepsTheFirstFrame)
{
    const ScreenArea netbook{{0, 0, 1024, 600}, {0, 32, 1024, 568}};
    Placement placement(false);
    placement.frameAsked(QMargins(1, 20, 1, 1));
    EXPECT_DOUBLE_EQ(placement.scale(Natural, netbook), 547.0 / 629);
    EXPECT_EQ(placement.clientPosition({455, 547}, netbook), QPoint(283 + 1, 32 + 20));
    // A restarted window that shows another frame changes no later load.
    placement.windowClosed(QMargins(4, 30, 4, 4), nullptr);
    EXPECT_DOUBLE_EQ(placement.scale(Natural, netbook), 547.0 / 629);
    // Where the compositor places windows, the program does not.
    EXPECT_FALSE(Placement(true).clientPosition({455, 547}, netbook).has_value());
}

}  // namespace
}  // namespace ui::qt
