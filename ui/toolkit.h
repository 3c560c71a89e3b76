#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "game/palette.h"

namespace ui {

// Everything the window needs of a toolkit. Positions and sizes are in twips
// (1/1440 inch, 15 to a device-independent pixel at the natural size), relative
// to the client area.

using ControlId = int;

enum class ControlKind {
    CommandButton,  // a push button with a caption
    ColourButton,   // a push button that shows its back colour
    Circle,         // a filled circle inscribed in its box, with a thin outline
    Rectangle,      // a filled rectangle with no outline
    Label,
};

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Twips&, const Twips&) = default;
};

struct Font {
    std::string face;
    double points = 0;
    bool bold = false;
};

struct ControlProperties {
    std::string name;  // "Guess(9)", "Go": for tests and for finding a control
    ControlKind kind = ControlKind::Label;
    Twips place;
    std::string caption;
    std::optional<Font> font;  // none: the toolkit's default
    game::Colour back = game::Empty;
    bool visible = true;
    bool tabStop = true;         // whether the keyboard can reach it, where it takes clicks
    std::string accessibleName;  // for controls without a caption
};

// The window system's values for the two answers.
enum class Answer { Yes = 6, No = 7 };

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Creates the window, hidden and empty; unloadWindow destroys it with all its controls.
    virtual void loadWindow(std::string_view caption, int widthTwips, int heightTwips, game::Colour background) = 0;
    virtual void unloadWindow() = 0;
    // Shows the window centred on the screen.
    virtual void showWindow() = 0;

    // onClick may be empty for controls that take no clicks.
    virtual ControlId create(const ControlProperties& properties, std::function<void()> onClick) = 0;
    // The order in which the keyboard reaches the controls; the first has the
    // focus when the window opens.
    virtual void setTabOrder(std::span<const ControlId> order) = 0;
    virtual void setBackColour(ControlId id, game::Colour colour) = 0;
    [[nodiscard]] virtual game::Colour backColour(ControlId id) const = 0;
    virtual void setVisible(ControlId id, bool visible) = 0;

    // What a screen reader reads where the window shows only colours: a
    // control's name and description, the board as a list of its guess rows
    // (0-17) and the uncovered secret, each where it is drawn. The rows' and the
    // secret's texts are also what a resting mouse shows over them.
    virtual void setAccessibleName(ControlId id, std::string_view name) = 0;
    virtual void setAccessibleDescription(ControlId id, std::string_view description) = 0;
    virtual void describeRow(int row, const Twips& place, std::string_view name, bool current) = 0;
    virtual void describeSecret(const Twips& place, std::string_view name) = 0;
    // Spoken by a listening screen reader, wherever the focus is.
    virtual void speak(std::string_view text) = 0;

    // Modal; Yes is the default, and there is no way to dismiss it without answering.
    [[nodiscard]] virtual Answer askYesNo(std::string_view title, std::string_view text) = 0;
    virtual void reportError(std::string_view message) = 0;

    // Ends the program with this status; no handler runs after it.
    virtual void end(int status) = 0;
};

}  // namespace ui
