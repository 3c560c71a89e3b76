#include "ui/qt_controls.h"

#include <map>
#include <tuple>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <qdrawutil.h>

namespace ui {

namespace {

// Hundreds of pegs share a handful of looks, and an antialiased circle costs
// about ten times as much to draw as to copy.
QPixmap pegPixmap(QSize size, QColor colour, qreal ratio)
{
    static std::map<std::tuple<int, int, QRgb, qreal>, QPixmap> cache;
    const auto key = std::make_tuple(size.width(), size.height(), colour.rgb(), ratio);
    if (const auto found = cache.find(key); found != cache.end())
        return found->second;

    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.end();
    cache.emplace(key, pixmap);
    return pixmap;
}

void fillFrame(QPainter& painter, QRect outer, int width, QColor colour)
{
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.bottom() - width + 1, outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.top(), width, outer.height(), colour);
    painter.fillRect(outer.right() - width + 1, outer.top(), width, outer.height(), colour);
}

constexpr Qt::WindowFlags FixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

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

void noteKeyboardUse(QWidget& button)
{
    if (!button.window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        button.window()->setAttribute(Qt::WA_KeyboardFocusChange);
        button.update();
    }
}

FormWindow::FormWindow(QColor background) : QWidget(nullptr, FixedWindowFlags), m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int FormWindow::addShape(Shape shape)
{
    if (shape.visible)
        update(shape.rect);
    m_shapes.push_back(std::move(shape));
    return static_cast<int>(m_shapes.size() - 1);
}

void FormWindow::setShapeColour(int index, QColor colour)
{
    Shape& target = m_shapes.at(static_cast<std::size_t>(index));
    if (target.colour == colour)
        return;
    target.colour = colour;
    if (target.visible)
        update(target.rect);
}

void FormWindow::setShapeVisible(int index, bool visible)
{
    Shape& target = m_shapes.at(static_cast<std::size_t>(index));
    if (target.visible == visible)
        return;
    target.visible = visible;
    update(target.rect);
}

void FormWindow::setShapeAccessibleName(int index, const QString& name)
{
    Shape& target = m_shapes.at(static_cast<std::size_t>(index));
    if (!target.node)
        target.node = new AccessibleNode(QAccessible::Graphic, this, target.rect);
    target.node->setName(name);
}

void FormWindow::describeRow(int row, const QString& name, bool current)
{
    if (!m_board) {
        m_board = new AccessibleNode(QAccessible::List, this);
        m_board->setName(QStringLiteral("Board"));
        for (AccessibleNode*& item : m_rows)
            item = new AccessibleNode(QAccessible::ListItem, m_board);
    }
    AccessibleNode* item = m_rows.at(static_cast<std::size_t>(row));
    item->setName(name);
    item->setDescription(current ? QStringLiteral("current row") : QString());
}

void FormWindow::describeSecret(const QString& name)
{
    if (!m_secret) {
        m_secret = new AccessibleNode(QAccessible::StaticText, this);
        m_secret->announceCreation();
    }
    m_secret->setName(name);
}

void FormWindow::releaseControls(const QObject* busy)
{
    const QObjectList children = this->children();
    for (QObject* child : children) {
        if (child != busy && !(child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()))
            delete child;
    }
    m_shapes.clear();
    m_shapes.shrink_to_fit();
    m_board = nullptr;
    m_rows = {};
    m_secret = nullptr;
}

const Shape* FormWindow::shapeNamed(const QString& name) const
{
    for (const Shape& item : m_shapes) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_background);
    const qreal ratio = devicePixelRatioF();
    for (const Shape& item : m_shapes) {
        if (!item.visible || !event->region().intersects(item.rect))
            continue;
        if (item.form == Shape::Form::Rectangle)
            painter.fillRect(item.rect, item.colour);
        else
            painter.drawPixmap(item.rect.topLeft(), pegPixmap(item.rect.size(), item.colour, ratio));
    }
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : KeyboardButton(caption, parent)
{
}

void CommandButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    paintFocusRing(painter, *this);
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
