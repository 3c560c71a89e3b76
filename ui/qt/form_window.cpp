#include "ui/qt/form_window.h"

#include <map>
#include <tuple>

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

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

// Fixed in size: no maximise or minimise box.
constexpr Qt::WindowFlags FixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

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

void FormWindow::setKeyboardOrder(const std::vector<QWidget*>& order)
{
    m_keyboardOrder.assign(order.begin(), order.end());
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

// Qt's own focus chain is a ring in which the window sits at no fixed place,
// so the order is the one the keyboard was given.
QObjectList FormWindow::accessibleChildren() const
{
    QObjectList list;
    if (m_board)
        list.append(m_board);
    for (const QPointer<QWidget>& widget : m_keyboardOrder) {
        if (widget && !widget->isHidden())
            list.append(widget);
    }
    for (QObject* child : children()) {
        if (child != m_board && dynamic_cast<AccessibleNode*>(child))
            list.append(child);
    }
    return list;
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
    m_keyboardOrder.clear();
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

}  // namespace ui
