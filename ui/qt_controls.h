#pragma once

#include <cstddef>
#include <vector>

#include <QAbstractButton>
#include <QColor>
#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QWidget>

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
};

// The top-level window: paints its background and its shapes. Painting the
// background here rather than through a palette matters: each window's new
// palette key would fill the style's pixmap cache with copies of the same
// buttons, one set per restart.
class FormWindow final : public QWidget {
public:
    explicit FormWindow(QColor background);

    int addShape(Shape shape);
    void setShapeColour(int index, QColor colour);
    void setShapeVisible(int index, bool visible);
    [[nodiscard]] int shapeCount() const { return static_cast<int>(m_shapes.size()); }
    [[nodiscard]] const Shape& shape(int index) const { return m_shapes.at(static_cast<std::size_t>(index)); }
    // Null when there is no shape of that name.
    [[nodiscard]] const Shape* shapeNamed(const QString& name) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    std::vector<Shape> m_shapes;
};

// A push button that shows its colour flat inside a raised bevel.
class ColourButton final : public QAbstractButton {
public:
    ColourButton(QColor colour, QWidget* parent);

    void setColour(QColor colour);
    [[nodiscard]] QSize sizeHint() const override { return {65, 65}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

// A Yes/No question that only Yes or No can answer: Escape and the close box,
// which QMessageBox would take as No, do nothing.
class YesNoBox final : public QMessageBox {
public:
    YesNoBox(const QString& title, const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ui
