// The conversion of twips to pixels, worked out by hand.
#include "ui/qt/scale.h"

#include <gtest/gtest.h>

#include "tests/support/qt_support.h"

namespace ui::qt {
namespace {

TEST(Scale, RoundsEdgesSoThatTouchingControlsStillTouch)
{
    const Scale natural;
    EXPECT_EQ(natural.pixels(Twips{495, 990, 495, 495}), QRect(33, 66, 33, 33));
    EXPECT_EQ(natural.pixels(Twips{6430, 3840, 735, 615}), QRect(429, 256, 49, 41));

    // At 0.7 a peg is 23.1 pixels: rounding each size would leave gaps or overlaps
    // between neighbours that touch; rounding edges keeps each right edge on the
    // next left edge.
    const Scale small(0.7);
    for (int column = 0; column < 7; ++column) {
        const QRect peg = small.pixels(Twips{495 * column, 0, 495, 495});
        const QRect next = small.pixels(Twips{495 * (column + 1), 0, 495, 495});
        EXPECT_EQ(peg.x() + peg.width(), next.x()) << column;
    }
    // Edges at 0, 23.1, 46.2, 69.3, 92.4, 115.5, 138.6: one peg in six is a pixel wider.
    EXPECT_EQ(small.pixels(Twips{0, 0, 495, 495}), QRect(0, 0, 23, 23));
    EXPECT_EQ(small.pixels(Twips{2475, 0, 495, 495}), QRect(115, 0, 24, 23));
}

TEST(Scale, SizesTheWindowDownAndTheFontsWithIt)
{
    EXPECT_EQ(Scale().clientSize(7860, 9435), QSize(524, 629));
    EXPECT_EQ(Scale(600.0 / 629).clientSize(7860, 9435), QSize(499, 600));
    // 72 points are 1440 twips, 96 pixels at the natural size.
    EXPECT_EQ(Scale().fontPixels(72), 96);
    EXPECT_EQ(Scale().fontPixels(27.75), 37);
    EXPECT_EQ(Scale(0.5).fontPixels(72), 48);
    EXPECT_EQ(Scale(0.25).fontPixels(0.1), 1);
}

}  // namespace
}  // namespace ui::qt
