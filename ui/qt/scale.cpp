#include "ui/qt/scale.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

constexpr double TwipsPerPoint = 20.0;
// Weston's panel, and about the height of the title bars of desktops that draw their own.
constexpr int UsualPanel = 32;
constexpr int UsualTitleBar = 32;

}  // namespace

double fitScale(QSize natural, QMargins frame, QRect area)
{
    const double across = static_cast<double>(area.width() - frame.left() - frame.right()) / natural.width();
    const double down = static_cast<double>(area.height() - frame.top() - frame.bottom()) / natural.height();
    // Below a quarter the board is past reading; the window then runs off the screen.
    return std::clamp(std::min(across, down), 0.25, 1.0);
}

QPoint centredClientPosition(QSize client, QMargins frame, QRect area)
{
    const int outerWidth = client.width() + frame.left() + frame.right();
    const int outerHeight = client.height() + frame.top() + frame.bottom();
    const int left = area.x() + std::max(0, (area.width() - outerWidth) / 2);
    const int top = area.y() + std::max(0, (area.height() - outerHeight) / 2);
    return {left + frame.left(), top + frame.top()};
}

std::optional<QMargins> learntFrame(std::optional<QMargins> known, QMargins shown)
{
    if (known || shown.isNull())
        return known;
    return shown;
}

QRect roomBesideUnknownDecorations(QMargins frame, QRect screen, QRect available)
{
    const int panel = available == screen ? UsualPanel : 0;
    const int titleBar = frame.isNull() ? UsualTitleBar : 0;
    return available.adjusted(0, panel + titleBar, 0, 0);
}

int Scale::pixels(int twips) const
{
    return static_cast<int>(std::lround(twips * m_pixelsPerTwip));
}

QRect Scale::pixels(const Twips& place) const
{
    const int left = pixels(place.left);
    const int top = pixels(place.top);
    return {left, top, pixels(place.left + place.width) - left, pixels(place.top + place.height) - top};
}

QSize Scale::clientSize(int widthTwips, int heightTwips) const
{
    return {
        static_cast<int>(widthTwips * m_pixelsPerTwip + 1e-9), static_cast<int>(heightTwips * m_pixelsPerTwip + 1e-9)};
}

int Scale::fontPixels(double points) const
{
    return std::max(1, static_cast<int>(std::lround(points * TwipsPerPoint * m_pixelsPerTwip)));
}

}  // namespace ui
