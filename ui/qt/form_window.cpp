#include "ui/qt/form_window.h"

#include <map>
#include <tuple>
#include <utility>

#include <QApplication>
#include <QFontInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

namespace ui::qt {
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

FormWindow::FormWindow(QColor background, QSize twips)
    : QWidget(nullptr, FixedWindowFlags),
      m_background(background),
      m_twips(twips)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormWindow::setScale(double scale)
{
    m_ownScale = scale;
    m_scale = Scale(scale);
    setFixedSize(m_scale.clientSize(m_twips.width(), m_twips.height()));
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const Scale own(m_ownScale);
    const Scale fitted
        = size() == own.clientSize(m_twips.width(), m_twips.height()) ? own : Scale::fitting(m_twips, size());
    if (fitted == m_scale)
        return;
    m_scale = fitted;
    for (Placed& placed : m_placed) {
        if (placed.control)
            layOut(placed);
    }
    for (Shape& item : m_shapes)
        item.rect = m_scale.pixels(item.place);
    m_reader.followScale();
    update();
}

void FormWindow::place(QWidget& control, const Twips& place, std::optional<double> points)
{
    m_placed.push_back({&control, place, points});
    layOut(m_placed.back());
}

void FormWindow::layOut(Placed& placed) const
{
    if (placed.points) {
        QFont font = placed.control->font();
        font.setPixelSize(m_scale.fontPixels(*placed.points));
        placed.control->setFont(font);
    } else if (m_scale == Scale()) {
        if (placed.control->testAttribute(Qt::WA_SetFont))
            placed.control->setFont(QFont());
    } else {
        // The toolkit's own size, scaled with the rest of the board.
        QFont font = QApplication::font();
        font.setPixelSize(m_scale.scaled(QFontInfo(font).pixelSize()));
        placed.control->setFont(font);
    }
    placed.control->setGeometry(m_scale.pixels(placed.place));
}

int FormWindow::addShape(Shape shape)
{
    shape.rect = m_scale.pixels(shape.place);
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

const Shape* FormWindow::shapeNamed(const QString& name) const
{
    for (const Shape& item : m_shapes) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
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
    QObjectList list = m_reader.leading();
    for (const QPointer<QWidget>& widget : m_keyboardOrder) {
        if (widget && !widget->isHidden())
            list.append(widget);
    }
    list.append(m_reader.trailing());
    return list;
}

void FormWindow::releaseControls(const QObject* busy)
{
    m_reader.forget();
    const QObjectList children = this->children();
    for (QObject* child : children) {
        if (child != busy && !(child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()))
            delete child;
    }
    m_placed.clear();
    m_shapes.clear();
    m_shapes.shrink_to_fit();
    m_keyboardOrder.clear();
}

void FormWindow::paintEvent(QPaintEvent* event)
{
    // Under Qt 6.8 a full repaint's painter is not clipped to the region it
    // asks for, which leaves out the opaque children, and those, the label
    // among them, are not painted again.
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(event->rect(), m_background);
    const qreal ratio = devicePixelRatioF();
    for (const Shape& item : m_shapes) {
        // At a fractional scale neighbours share the device pixels of their
        // common edge, which the repaint of one fills with the background: the
        // other must be drawn again there too.
        if (!item.visible || !event->region().intersects(item.rect.adjusted(-1, -1, 1, 1)))
            continue;
        if (item.form == Shape::Form::Rectangle)
            painter.fillRect(item.rect, item.colour);
        else
            painter.drawPixmap(item.rect.topLeft(), pegPixmap(item.rect.size(), item.colour, ratio));
    }
}

}  // namespace ui::qt
