#pragma once

#include <optional>

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// The frame that the window manager will put round the window, asked of it
// before the window first shows; none where no window manager can tell.
[[nodiscard]] std::optional<QMargins> requestFrameExtents(QWidget& window);

// The largest scale, up to the natural 1, at which a client area of `natural`
// pixels inside `frame` fits in `area`.
[[nodiscard]] double fitScale(QSize natural, QMargins frame, QRect area);

// Where the client area goes so that the window, frame included, stands in the
// middle of `area`; where it cannot fit, its top left corner stays inside.
[[nodiscard]] QPoint centredClientPosition(QSize client, QMargins frame, QRect area);

}  // namespace ui
