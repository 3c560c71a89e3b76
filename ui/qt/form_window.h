#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include "ui/qt/accessible.h"
#include "ui/qt/accessible_board.h"
#include "ui/qt/scale.h"
#include "ui/toolkit.h"

namespace ui::qt {

// A peg (circle with a thin outline) or the swatch (rectangle, no outline),
// filled with its colour. Shapes have no window of their own: the form paints
// them on its background, beneath its buttons and label.
struct Shape {
    enum class Form { Circle, Rectangle };
    QString name;
    Form form = Form::Circle;
    Twips place;
    QRect rect;  // where the window's scale draws the place
    QColor colour;
    bool visible = false;
};

// The top-level window: lays out its controls and shapes from their twips at
// its scale, paints its background and its shapes, and keeps the keyboard's
// order. Where the desktop imposes another size (maximised, full screen,
// tiled), the whole board is scaled alike to fit it, centred. Painting the background here rather than through a
// palette matters: each window's new palette key would fill the style's pixmap cache with copies of the same buttons,
// one set per restart.
class FormWindow final : public QWidget, public AccessibleFrame {
public:
    FormWindow(QColor background, QSize twips);

    // Fixes the window's own size to its twips at this scale.
    void setScale(double scale);
    [[nodiscard]] const Scale& scale() const { return m_scale; }
    [[nodiscard]] QColor background() const { return m_background; }

    // Puts a child where its twips lie at the window's scale; with points, its
    // font's size follows the scale too.
    void place(QWidget& control, const Twips& place, std::optional<double> points = {});
    int addShape(Shape shape);
    void setShapeColour(int index, QColor colour);
    void setShapeVisible(int index, bool visible);
    [[nodiscard]] int shapeCount() const { return static_cast<int>(m_shapes.size()); }
    [[nodiscard]] const Shape& shape(int index) const { return m_shapes.at(static_cast<std::size_t>(index)); }
    // Null when there is no shape of that name.
    [[nodiscard]] const Shape* shapeNamed(const QString& name) const;

    [[nodiscard]] AccessibleBoard& reader() { return m_reader; }

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
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> control;
        Twips place;
        std::optional<double> points;
    };
    void layOut(Placed& placed) const;

    QColor m_background;
    QSize m_twips;
    double m_ownScale = 1.0;
    Scale m_scale;
    std::vector<Placed> m_placed;
    std::vector<Shape> m_shapes;
    std::vector<QPointer<QWidget>> m_keyboardOrder;
    AccessibleBoard m_reader{*this, m_scale};
};

}  // namespace ui::qt
