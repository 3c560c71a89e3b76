#include "ui/qt_controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace ui {

FormWindow::FormWindow(QColor background)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_background);
}

Shape::Shape(Form form, QColor colour, QWidget* parent) : QWidget(parent), m_form(form), m_colour(colour)
{
    if (m_form == Form::Rectangle)
        setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::setColour(QColor colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_form == Form::Rectangle) {
        painter.fillRect(rect(), m_colour);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

ColourButton::ColourButton(QColor colour, QWidget* parent) : QAbstractButton(parent), m_colour(colour)
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
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(4, 4, -4, -4);
        option.backgroundColor = m_colour;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

YesNoBox::YesNoBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent)
{
    setTextFormat(Qt::PlainText);
    setDefaultButton(QMessageBox::Yes);
}

void YesNoBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void YesNoBox::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

}  // namespace ui
