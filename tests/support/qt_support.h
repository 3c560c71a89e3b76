#pragma once

// Helpers of the tests that drive the real widgets.

#include <ostream>

#include <QApplication>
#include <QColor>

#include "game/palette.h"

// Failures print colours as #rrggbb rather than as raw bytes.
inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name().toStdString();
}

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
