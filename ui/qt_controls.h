#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QMessageBox>
#include <QWidget>

namespace ui {

// A peg (circle with a thin outline) or the swatch (rectangle, no outline),
// filled with its colour.
class Shape final : public QWidget {
public:
    enum class Form { Circle, Rectangle };
    Shape(Form form, QColor colour, QWidget* parent);

    void setColour(QColor colour);

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
