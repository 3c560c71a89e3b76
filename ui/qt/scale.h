#pragma once

#include <QRect>
#include <QSize>

#include "ui/toolkit.h"

namespace ui::qt {

// Twips are 1/1440 inch: 15 to a device-independent pixel at the natural size.
inline constexpr double TwipsPerPixel = 15.0;

// One load's conversion from the window's twips to pixels.
class Scale {
public:
    explicit Scale(double scale = 1.0) : m_pixelsPerTwip(scale / TwipsPerPixel) {}

    [[nodiscard]] int pixels(int twips) const;
    // From rounded edges rather than a rounded size, so that controls which
    // touch or overlap by a few twips still do at every scale.
    [[nodiscard]] QRect pixels(const Twips& place) const;
    // Rounded down, so that a scaled window never outgrows the room it was fitted to.
    [[nodiscard]] QSize clientSize(int widthTwips, int heightTwips) const;
    // A font's size in pixels rather than points keeps text in proportion to
    // the twips whatever DPI the screen reports.
    [[nodiscard]] int fontPixels(double points) const;

private:
    double m_pixelsPerTwip;
};

}  // namespace ui::qt
