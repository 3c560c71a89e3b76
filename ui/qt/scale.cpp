#include "ui/qt/scale.h"

#include <algorithm>
#include <cmath>

namespace ui::qt {
namespace {

constexpr double TwipsPerPoint = 20.0;

}  // namespace

Scale Scale::fitting(QSize twips, QSize pixels)
{
    const double scale = TwipsPerPixel
        * std::min(
            static_cast<double>(pixels.width()) / twips.width(), static_cast<double>(pixels.height()) / twips.height());
    const QSize board = Scale(scale).clientSize(twips.width(), twips.height());
    return Scale(scale, QPoint((pixels.width() - board.width()) / 2, (pixels.height() - board.height()) / 2));
}

int Scale::pixels(int twips) const
{
    return static_cast<int>(std::lround(twips * m_pixelsPerTwip));
}

QRect Scale::pixels(const Twips& place) const
{
    const int left = pixels(place.left);
    const int top = pixels(place.top);
    return QRect(left, top, pixels(place.left + place.width) - left, pixels(place.top + place.height) - top)
        .translated(m_origin);
}

QSize Scale::clientSize(int widthTwips, int heightTwips) const
{
    return {
        static_cast<int>(widthTwips * m_pixelsPerTwip + 1e-9), static_cast<int>(heightTwips * m_pixelsPerTwip + 1e-9)};
}

int Scale::scaled(int natural) const
{
    return std::max(1, static_cast<int>(std::lround(natural * m_pixelsPerTwip * TwipsPerPixel)));
}

int Scale::fontPixels(double points) const
{
    return std::max(1, static_cast<int>(std::lround(points * TwipsPerPoint * m_pixelsPerTwip)));
}

}  // namespace ui::qt
