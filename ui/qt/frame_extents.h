#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <QMargins>

class QWidget;

namespace ui::qt {

// The frame that will stand round the window, learnt before the window first
// shows: on X11 asked of the window manager, on Wayland the title bar and
// border that Qt draws itself; none where nobody can tell.
[[nodiscard]] std::optional<QMargins> requestFrameExtents(QWidget& window);

// Reads the frame until it is there, for up to `patience`: a manager answers
// within milliseconds, but one still starting with its session takes longer.
[[nodiscard]] std::optional<QMargins> awaitFrame(
    const std::function<std::optional<QMargins>()>& read, std::chrono::milliseconds patience);

// On Wayland the compositor places windows, and a window's position is not its own to set.
[[nodiscard]] bool compositorPlacesWindows();

}  // namespace ui::qt
