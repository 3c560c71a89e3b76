#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace ui::qt {

// Once the keyboard is in use, the focused button wears a ring of black and
// white inside its edge; any key counts as use, Space too, which moves no focus.
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

// A push button with a caption, on the form's ground.
class CommandButton final : public KeyboardButton<QPushButton> {
public:
    CommandButton(const QString& caption, QColor ground, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_ground;
};

// A push button that shows its colour flat inside a raised bevel.
class ColourButton final : public KeyboardButton<QAbstractButton> {
public:
    ColourButton(QColor colour, QWidget* parent);

    void setColour(QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

}  // namespace ui::qt
