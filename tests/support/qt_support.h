#pragma once

// Helpers of the tests that drive the real widgets.

#include <QApplication>
#include <QColor>

#include "game/palette.h"

namespace ui::testing {

// Widgets alive once those waiting for deletion are gone.
inline int liveWidgets()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::allWidgets().size());
}

inline QColor rgb(game::Colour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

}  // namespace ui::testing
