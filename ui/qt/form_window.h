#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include "game/board.h"
#include "ui/qt/accessible.h"

namespace ui {

// A peg (circle with a thin outline) or the swatch (rectangle, no outline),
// filled with its colour. Shapes have no window of their own: the form paints
// them on its background, beneath its buttons and label.
struct Shape {
    enum class Form { Circle, Rectangle };
    QString name;
    Form form = Form::Circle;
    QRect rect;
    QColor colour;
    bool visible = false;
    QPointer<AccessibleNode> node;  // what a screen reader reads of it, if anything
};

// The top-level window: paints its background and its shapes, and holds what
// a screen reader reads of the board. Painting the background here rather than
// through a palette matters: each window's new palette key would fill the
// style's pixmap cache with copies of the same buttons, one set per restart.
class FormWindow final : public QWidget, public AccessibleFrame {
public:
    explicit FormWindow(QColor background);

    int addShape(Shape shape);
    void setShapeColour(int index, QColor colour);
    void setShapeVisible(int index, bool visible);
    void setShapeAccessibleName(int index, const QString& name);
    [[nodiscard]] int shapeCount() const { return static_cast<int>(m_shapes.size()); }
    [[nodiscard]] const Shape& shape(int index) const { return m_shapes.at(static_cast<std::size_t>(index)); }
    // Null when there is no shape of that name.
    [[nodiscard]] const Shape* shapeNamed(const QString& name) const;

    // The board as a list of its guess rows, and the secret once uncovered,
    // each where it is drawn; a resting mouse shows their texts too.
    void describeRow(int row, QRect place, const QString& name, bool current);
    void describeSecret(QRect place, const QString& name);
    // Has a listening screen reader speak the text; with none, does nothing.
    void announce(const QString& text);

    // The order in which Tab reaches the controls that take the focus; the
    // others keep their place in it for screen readers.
    void setKeyboardOrder(const std::vector<QWidget*>& order);
    // The board first, then the controls a player can see in keyboard order,
    // then the swatch and the secret.
    [[nodiscard]] QObjectList accessibleChildren() const override;

    // Frees the controls at once, all but one that may still be busy (the
    // button whose click is being handled), which goes with the window.
    void releaseControls(const QObject* busy);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showSecretToCursorAtRest();

    QColor m_background;
    std::vector<Shape> m_shapes;
    std::vector<QPointer<QWidget>> m_keyboardOrder;
    AccessibleNode* m_board = nullptr;
    std::array<AccessibleNode*, game::GuessRows> m_rows{};
    AccessibleNode* m_secret = nullptr;
    AccessibleNode* m_notification = nullptr;
    QString m_unheard;  // said before the window was active
    QPoint m_cursor;    // where the cursor was at the last look, in screen coordinates
};

}  // namespace ui
