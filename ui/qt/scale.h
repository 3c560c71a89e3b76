#pragma once

#include <optional>

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "ui/toolkit.h"

namespace ui {

// Twips are 1/1440 inch: 15 to a device-independent pixel at the natural size.
inline constexpr double TwipsPerPixel = 15.0;

// The largest scale, up to the natural 1, at which a client area of `natural`
// pixels inside `frame` fits in `area`.
[[nodiscard]] double fitScale(QSize natural, QMargins frame, QRect area);

// Where the client area goes so that the window, frame included, stands in the
// middle of `area`; where it cannot fit, its top left corner stays inside.
[[nodiscard]] QPoint centredClientPosition(QSize client, QMargins frame, QRect area);

// The frame to fit and centre the next load to. The first frame known stands,
// so that the window keeps one size on a screen; one that the window showed is
// learnt only where none was known, and a window restarted before its manager
// framed it shows none and teaches nothing.
[[nodiscard]] std::optional<QMargins> learntFrame(std::optional<QMargins> known, QMargins shown);

// The room a window may count on where the platform knows of no panel and of
// no title bar drawn by the compositor (Wayland): `available` less a usual
// panel where it is the whole `screen`, and less a usual title bar where the
// program draws none itself (`frame` is what it draws).
[[nodiscard]] QRect roomBesideUnknownDecorations(QMargins frame, QRect screen, QRect available);

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

}  // namespace ui
