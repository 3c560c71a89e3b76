#include "ui/qt/buttons.h"

#include <cmath>

#include <QImage>
#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace ui::qt {
namespace {

void fillFrame(QPainter& painter, QRect outer, int width, QColor colour)
{
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.bottom() - width + 1, outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.top(), width, outer.height(), colour);
    painter.fillRect(outer.right() - width + 1, outer.top(), width, outer.height(), colour);
}

// Against any colour one of the ring's two tones stands out by at least 4.5:1.
void paintFocusRing(QPainter& painter, const QWidget& button)
{
    if (!button.hasFocus() || !button.window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    constexpr int Inset = 3;
    constexpr int Width = 2;
    const QRect outer = button.rect().adjusted(Inset, Inset, -Inset, -Inset);
    fillFrame(painter, outer, Width, Qt::black);
    fillFrame(painter, outer.adjusted(Width, Width, -Width, -Width), Width, Qt::white);
}

}  // namespace

void noteKeyboardUse(QWidget& button)
{
    if (!button.window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        button.window()->setAttribute(Qt::WA_KeyboardFocusChange);
        button.update();
    }
}

CommandButton::CommandButton(const QString& caption, QColor ground, QWidget* parent)
    : KeyboardButton(caption, parent),
      m_ground(ground)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CommandButton::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio == std::floor(ratio)) {
        QPainter(this).fillRect(rect(), m_ground);
        QPushButton::paintEvent(event);
        QPainter painter(this);
        paintFocusRing(painter, *this);
        return;
    }
    // At a fractional scale the style's antialiased corners come out a shade
    // apart when the button is painted alone or with the window. Drawn into an
    // image of its own, on its own ground, it comes out the same either way.
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(m_ground);
    {
        QPainter painter(&image);
        painter.setFont(font());
        QStyleOptionButton option;
        initStyleOption(&option);
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        paintFocusRing(painter, *this);
    }
    QPainter(this).drawImage(0, 0, image);
}

ColourButton::ColourButton(QColor colour, QWidget* parent) : KeyboardButton(parent), m_colour(colour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourButton::setColour(QColor colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush fill(m_colour);
    qDrawWinButton(&painter, rect(), palette(), isDown(), &fill);
    paintFocusRing(painter, *this);
}

}  // namespace ui::qt
