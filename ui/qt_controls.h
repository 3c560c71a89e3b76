#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <QAbstractButton>
#include <QColor>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/qt_accessible.h"

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
class FormWindow final : public QWidget {
public:
    static constexpr int Rows = 18;

    explicit FormWindow(QColor background);

    int addShape(Shape shape);
    void setShapeColour(int index, QColor colour);
    void setShapeVisible(int index, bool visible);
    void setShapeAccessibleName(int index, const QString& name);
    [[nodiscard]] int shapeCount() const { return static_cast<int>(m_shapes.size()); }
    [[nodiscard]] const Shape& shape(int index) const { return m_shapes.at(static_cast<std::size_t>(index)); }
    // Null when there is no shape of that name.
    [[nodiscard]] const Shape* shapeNamed(const QString& name) const;

    // The board as a list of its guess rows, and the secret once uncovered.
    void describeRow(int row, const QString& name, bool current);
    void describeSecret(const QString& name);
    [[nodiscard]] AccessibleNode* board() const { return m_board; }

    // Frees the controls at once, all but one that may still be busy (the
    // button whose click is being handled), which goes with the window.
    void releaseControls(const QObject* busy);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    std::vector<Shape> m_shapes;
    AccessibleNode* m_board = nullptr;
    std::array<AccessibleNode*, Rows> m_rows{};
    AccessibleNode* m_secret = nullptr;
};

// Once the keyboard is in use, the focused button wears a ring of black and
// white inside its edge; any key counts as use, Space too, which moves no focus.
void paintFocusRing(QPainter& painter, const QWidget& button);
void noteKeyboardUse(QWidget& button);

// What every button of the window does for the keyboard player.
template <typename Button> class KeyboardButton : public Button {
public:
    using Button::Button;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        // Neighbours overlap by a pixel or two; the focused one comes to the top
        // so that no side of its ring is covered.
        this->raise();
        Button::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        noteKeyboardUse(*this);
        Button::keyPressEvent(event);
    }
};

// A push button with a caption.
class CommandButton final : public KeyboardButton<QPushButton> {
public:
    CommandButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A push button that shows its colour flat inside a raised bevel.
class ColourButton final : public KeyboardButton<QAbstractButton> {
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
