#pragma once

#include <optional>

#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QSize>

namespace ui::qt {

// What a screen offers a window: all of it, and what its panels leave free.
struct ScreenArea {
    QRect whole;
    QRect available;
};

[[nodiscard]] ScreenArea areaOf(const QScreen& screen);

// Where each load of the window opens and at what scale: on the screen the
// last one was on, fitted to it frame included and centred there, at the
// natural size where that fits. The frame is learnt once and kept, so that
// the window has one size on a screen from load to load.
class Placement {
public:
    // On Wayland the compositor places windows, and sees panels and title
    // bars that the platform does not report.
    explicit Placement(bool compositorPlacesWindows) : m_compositorPlacesWindows(compositorPlacesWindows) {}

    [[nodiscard]] bool knowsFrame() const { return m_frame.has_value(); }
    // What the window manager said of its frame before the first window showed.
    void frameAsked(std::optional<QMargins> frame);
    // A window that closes tells the frame it had and the screen it was on.
    void windowClosed(QMargins shownFrame, QScreen* screen);

    [[nodiscard]] QScreen* nextScreen() const;
    // The largest scale, up to the natural 1, at which a client area of
    // `natural` pixels fits the screen, frame included.
    [[nodiscard]] double scale(QSize natural, const ScreenArea& screen) const;
    // Where the client area goes; none where the compositor places windows.
    [[nodiscard]] std::optional<QPoint> clientPosition(QSize client, const ScreenArea& screen) const;

private:
    bool m_compositorPlacesWindows;
    std::optional<QMargins> m_frame;
    QPointer<QScreen> m_screen;
};

// The largest scale, up to the natural 1, at which a client area of `natural`
// pixels inside `frame` fits in `area`.
[[nodiscard]] double fitScale(QSize natural, QMargins frame, QRect area);

// Where the client area goes so that the window, frame included, stands in the
// middle of `area`; where it cannot fit, its top left corner stays inside.
[[nodiscard]] QPoint centredClientPosition(QSize client, QMargins frame, QRect area);

// The frame to fit and centre the next load to. The first frame known stands;
// one that the window showed is learnt only where none was known, and a window
// restarted before its manager framed it shows none and teaches nothing.
[[nodiscard]] std::optional<QMargins> learntFrame(std::optional<QMargins> known, QMargins shown);

// The room a window may count on where the platform knows of no panel and of
// no title bar drawn by the compositor (Wayland): `available` less a usual
// panel where it is the whole `screen`, and less a usual title bar where the
// program draws none itself (`frame` is what it draws).
[[nodiscard]] QRect roomBesideUnknownDecorations(QMargins frame, QRect screen, QRect available);

}  // namespace ui::qt
