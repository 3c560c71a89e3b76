#include "ui/qt/accessible.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui::qt {
namespace {

// Nothing is built or sent unless a screen reader listens.
void send(QObject* object, QAccessible::Event event)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent change(object, event);
    QAccessible::updateAccessibility(&change);
}

const QWidget* widgetOf(const QObject* object)
{
    while (object && !object->isWidgetType())
        object = object->parent();
    return static_cast<const QWidget*>(object);
}

QObjectList nodesOf(const QObject* parent)
{
    QObjectList nodes;
    for (QObject* child : parent->children()) {
        if (dynamic_cast<AccessibleNode*>(child))
            nodes.append(child);
    }
    return nodes;
}

class NodeInterface final : public QAccessibleObject {
public:
    explicit NodeInterface(AccessibleNode* node) : QAccessibleObject(node) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(node()->parent()); }
    int childCount() const override { return static_cast<int>(nodesOf(node()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(nodesOf(node()).value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(nodesOf(node()).indexOf(child->object())) : -1;
    }
    QAccessible::Role role() const override { return node()->role(); }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name)
            return node()->name();
        if (which == QAccessible::Description)
            return node()->description();
        return {};
    }
    QRect rect() const override
    {
        const QWidget* owner = widgetOf(node()->parent());
        if (!owner || node()->place().isEmpty())
            return {};
        return {owner->mapToGlobal(node()->place().topLeft()), node()->place().size()};
    }

private:
    AccessibleNode* node() const { return static_cast<AccessibleNode*>(object()); }
};

class FrameInterface final : public QAccessibleWidget {
public:
    FrameInterface(QWidget* widget, const AccessibleFrame& frame)
        : QAccessibleWidget(widget, QAccessible::Window),
          m_frame(frame)
    {
    }

    int childCount() const override { return static_cast<int>(m_frame.accessibleChildren().size()); }
    QAccessibleInterface* child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(m_frame.accessibleChildren().value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(m_frame.accessibleChildren().indexOf(child->object())) : -1;
    }

private:
    const AccessibleFrame& m_frame;
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (auto* node = dynamic_cast<AccessibleNode*>(object))
        return new NodeInterface(node);
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (const auto* frame = dynamic_cast<const AccessibleFrame*>(widget))
            return new FrameInterface(widget, *frame);
    }
    return nullptr;
}

}  // namespace

AccessibleNode::AccessibleNode(QAccessible::Role role, QObject* parent, QRect place, QString name)
    : QObject(parent),
      m_role(role),
      m_name(std::move(name)),
      m_place(place)
{
}

void AccessibleNode::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    send(this, QAccessible::NameChanged);
}

void AccessibleNode::setDescription(const QString& description)
{
    if (description == m_description)
        return;
    m_description = description;
    send(this, QAccessible::DescriptionChanged);
}

void AccessibleNode::tellCreated()
{
    send(this, QAccessible::ObjectCreated);
}

void AccessibleNode::showNotification(const QString& text)
{
    m_name = text;
    // Orca 48 reads the text from its cache of the object, which only a name
    // change renews; Orca 43 reads it afresh on the show.
    send(this, QAccessible::NameChanged);
    send(this, QAccessible::ObjectShow);
}

void installAccessibility()
{
    QAccessible::installFactory(interfaceFor);
}

}  // namespace ui::qt
