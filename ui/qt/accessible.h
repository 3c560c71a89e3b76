#pragma once

#include <QAccessible>
#include <QObject>
#include <QObjectList>
#include <QRect>
#include <QString>

namespace ui::qt {

// Something a screen reader reads where no widget stands: the board and its
// rows, the swatch, the uncovered secret, a notification. Its place is in the
// coordinates of the nearest widget it belongs to; an empty place is none.
class AccessibleNode final : public QObject {
public:
    AccessibleNode(QAccessible::Role role, QObject* parent, QRect place = {}, QString name = {});

    [[nodiscard]] QAccessible::Role role() const { return m_role; }
    [[nodiscard]] const QString& name() const { return m_name; }
    [[nodiscard]] const QString& description() const { return m_description; }
    [[nodiscard]] QRect place() const { return m_place; }

    void setPlace(QRect place) { m_place = place; }
    // A listening screen reader is told of each change.
    void setName(const QString& name);
    void setDescription(const QString& description);
    // Tells a listening screen reader that the node has just appeared.
    void tellCreated();
    // Takes the text as its name and tells a listening screen reader that it
    // has just shown, which is what has a notification spoken.
    void showNotification(const QString& text);

private:
    QAccessible::Role m_role;
    QString m_name;
    QString m_description;
    QRect m_place;
};

// A top-level widget that screen readers read as a frame whose children are
// the nodes and widgets it lists, in that order. A plain top-level widget would
// be a filler, and would show hidden controls too.
class AccessibleFrame {
public:
    [[nodiscard]] virtual QObjectList accessibleChildren() const = 0;

protected:
    ~AccessibleFrame() = default;
};

// Gives frames and nodes their interfaces. Once per program.
void installAccessibility();

}  // namespace ui::qt
