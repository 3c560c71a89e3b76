#pragma once

// Helpers of the tests that drive the real widgets.

#include <ostream>

#include <QApplication>
#include <QColor>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "game/palette.h"

// Failures print colours as #rrggbb and texts as text rather than as raw bytes.
inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << colour.name().toStdString();
}

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(QPoint point, std::ostream* out)
{
    *out << point.x() << ',' << point.y();
}

inline void PrintTo(QSize size, std::ostream* out)
{
    *out << size.width() << 'x' << size.height();
}

inline void PrintTo(QMargins frame, std::ostream* out)
{
    *out << "left " << frame.left() << ", top " << frame.top() << ", right " << frame.right() << ", bottom "
         << frame.bottom();
}

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.width() << 'x' << rect.height() << " at " << rect.x() << ',' << rect.y();
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
