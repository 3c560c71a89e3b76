#include "ui/qt/placement.h"

#include <algorithm>

#include <QGuiApplication>

namespace ui::qt {
namespace {

// Weston's panel, and about the height of the title bars of desktops that draw their own.
constexpr int UsualPanel = 32;
constexpr int UsualTitleBar = 32;

}  // namespace

ScreenArea areaOf(const QScreen& screen)
{
    return {screen.geometry(), screen.availableGeometry()};
}

void Placement::frameAsked(std::optional<QMargins> frame)
{
    m_frame = frame;
}

void Placement::windowClosed(QMargins shownFrame, QScreen* screen)
{
    m_frame = learntFrame(m_frame, shownFrame);
    m_screen = screen;
}

QScreen* Placement::nextScreen() const
{
    return m_screen ? m_screen.data() : QGuiApplication::primaryScreen();
}

double Placement::scale(QSize natural, const ScreenArea& screen) const
{
    const QMargins frame = m_frame.value_or(QMargins());
    const QRect room = m_compositorPlacesWindows ? roomBesideUnknownDecorations(frame, screen.whole, screen.available)
                                                 : screen.available;
    return fitScale(natural, frame, room);
}

std::optional<QPoint> Placement::clientPosition(QSize client, const ScreenArea& screen) const
{
    if (m_compositorPlacesWindows)
        return std::nullopt;
    return centredClientPosition(client, m_frame.value_or(QMargins()), screen.available);
}

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

}  // namespace ui::qt
