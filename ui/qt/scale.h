#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "ui/toolkit.h"

namespace ui::qt {

// Twips are 1/1440 inch: 15 to a device-independent pixel at the natural size.
inline constexpr double TwipsPerPixel = 15.0;

// The conversion of the window's twips to pixels: at a scale, 1 being the
// natural size, from an origin in the window.
class Scale {
public:
    explicit Scale(double scale = 1.0, QPoint origin = {}) : m_pixelsPerTwip(scale / TwipsPerPixel), m_origin(origin) {}
    // The largest scale at which all of `twips` fits in `pixels`, centred there.
    [[nodiscard]] static Scale fitting(QSize twips, QSize pixels);

    [[nodiscard]] int pixels(int twips) const;
    // From rounded edges rather than a rounded size, so that controls which
    // touch or overlap by a few twips still do at every scale.
    [[nodiscard]] QRect pixels(const Twips& place) const;
    // Rounded down, so that a scaled window never outgrows the room it was fitted to.
    [[nodiscard]] QSize clientSize(int widthTwips, int heightTwips) const;
    // A font's size in pixels rather than points keeps text in proportion to
    // the twips whatever DPI the screen reports.
    [[nodiscard]] int fontPixels(double points) const;
    // A length of `natural` pixels at the natural size, at this scale.
    [[nodiscard]] int scaled(int natural) const;

    friend bool operator==(const Scale&, const Scale&) = default;

private:
    double m_pixelsPerTwip;
    QPoint m_origin;
};

}  // namespace ui::qt
