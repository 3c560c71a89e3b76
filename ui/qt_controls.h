#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QMessageBox>
#include <QWidget>

namespace ui {

// The top-level window, painting its own background. Setting a palette instead
// would give every window a new palette key, and the style's pixmap cache would
// fill with copies of the same buttons, one set per restart.
class FormWindow final : public QWidget {
public:
    explicit FormWindow(QColor background);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
};

// A peg (circle with a thin outline) or the swatch (rectangle, no outline),
// filled with its colour.
class Shape final : public QWidget {
public:
    enum class Form { Circle, Rectangle };
    Shape(Form form, QColor colour, QWidget* parent);

    void setColour(QColor colour);
    [[nodiscard]] QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form m_form;
    QColor m_colour;
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
