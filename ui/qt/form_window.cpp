#include "ui/qt/form_window.h"

#include <map>
#include <tuple>
#include <utility>

#include <QCursor>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QToolTip>

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
// Two looks at the same place make a cursor at rest: about as long as a
// tooltip takes to wake up.
constexpr int CursorLookMs = 350;
// How long a screen reader takes in a new window before it can listen.
constexpr int SettleMs = 500;

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

void FormWindow::describeRow(int row, QRect place, const QString& name, bool current)
{
    if (!m_board) {
        m_board = new AccessibleNode(QAccessible::List, this, {}, QStringLiteral("Board"));
        for (AccessibleNode*& item : m_rows)
            item = new AccessibleNode(QAccessible::ListItem, m_board);
    }
    AccessibleNode* item = m_rows.at(static_cast<std::size_t>(row));
    if (item->place() != place) {
        item->setPlace(place);
        m_board->setPlace(m_board->place().united(place));
    }
    item->setName(name);
    item->setDescription(current ? QStringLiteral("current row") : QString());
}

void FormWindow::describeSecret(QRect place, const QString& name)
{
    if (m_secret) {
        m_secret->setName(name);
        return;
    }
    m_secret = new AccessibleNode(QAccessible::StaticText, this, place, name);
    m_secret->announceCreation();
    // The secret shows only behind a modal question, and a window behind one
    // gets no mouse events, so no tooltip events either: look for the cursor.
    auto* look = new QTimer(m_secret);
    connect(look, &QTimer::timeout, this, &FormWindow::showSecretToCursorAtRest);
    look->start(CursorLookMs);
}

void FormWindow::showSecretToCursorAtRest()
{
    const QPoint cursor = QCursor::pos();
    const bool atRest = cursor == std::exchange(m_cursor, cursor);
    const bool over = m_secret->place().contains(mapFromGlobal(cursor));
    if (over && atRest && QToolTip::text() != m_secret->name())
        QToolTip::showText(cursor, m_secret->name(), this);
    else if (!over && QToolTip::text() == m_secret->name())
        QToolTip::hideText();
}

void FormWindow::announce(const QString& text)
{
    if (!QAccessible::isActive())
        return;
    // Orca drops what a window that it has not seen activated says, and a new
    // window speaks before its manager activates it.
    if (!isActiveWindow()) {
        m_unheard = text;
        return;
    }
    if (!m_notification)
        m_notification = new AccessibleNode(QAccessible::Notification, this);
    m_notification->notify(text);
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
    m_notification = nullptr;
}

const Shape* FormWindow::shapeNamed(const QString& name) const
{
    for (const Shape& item : m_shapes) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_unheard.isEmpty()) {
        // A restart floods the screen reader with the old controls' going and
        // the new ones' coming, and Orca prunes a flooded queue, notifications
        // included: the text waits until it has worked through it.
        auto* settle = new QTimer(this);
        settle->setSingleShot(true);
        connect(settle, &QTimer::timeout, this, [this, settle] {
            settle->deleteLater();
            if (!m_unheard.isEmpty())  // another activation's timer may have said it
                announce(std::exchange(m_unheard, {}));
        });
        settle->start(SettleMs);
    }
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // Some colours look alike to some eyes: a row's words tell them apart.
    const auto* help = static_cast<QHelpEvent*>(event);
    std::vector<const AccessibleNode*> texts(m_rows.begin(), m_rows.end());
    texts.push_back(m_secret);
    for (const AccessibleNode* node : texts) {
        if (node && node->place().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), node->name(), this, node->place());
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
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
