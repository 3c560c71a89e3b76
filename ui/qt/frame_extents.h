#pragma once

#include <optional>

#include <QMargins>

class QWidget;

namespace ui {

// The frame that the window manager will put round the window, asked of it
// before the window first shows; none where no window manager can tell.
[[nodiscard]] std::optional<QMargins> requestFrameExtents(QWidget& window);

}  // namespace ui
