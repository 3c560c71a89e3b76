#include "ui/design.h"

// g++ 12 takes a member left to its default in a designated initialiser for a
// forgotten one; leaving the defaults out is the point of naming the rest.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace ui::design {
namespace {

constexpr int CommandWidth = 2895;
constexpr int CommandHeight = 975;
constexpr int ColourSize = 975;

Font comicSans(double points, bool bold)
{
    return Font{.face = "Comic Sans MS", .points = points, .bold = bold};
}

}  // namespace

ControlProperties giveUp()
{
    return {.name = "GiveUp",
        .kind = ControlKind::CommandButton,
        .place = {.left = ColumnLeft, .top = 8520, .width = CommandWidth, .height = CommandHeight},
        .caption = "Give Up!",
        .font = comicSans(27.75, true)};
}

ControlProperties reset()
{
    return {.name = "Reset",
        .kind = ControlKind::CommandButton,
        .place = {.left = ColumnLeft, .top = 7560, .width = CommandWidth, .height = CommandHeight},
        .caption = "Reset!",
        .font = comicSans(27.75, true)};
}

// Never used, so never shown and never reached by the keyboard.
ControlProperties button0()
{
    return {.name = "Button(0)",
        .kind = ControlKind::CommandButton,
        .place = {.left = 6600, .top = ButtonTops[1], .width = 735, .height = 615},
        .caption = "0",
        .visible = false,
        .tabStop = false};
}

ControlProperties go()
{
    return {.name = "Go",
        .kind = ControlKind::CommandButton,
        .place = {.left = ColumnLeft, .top = 5520, .width = CommandWidth, .height = 2025},
        .caption = "Go!",
        .font = comicSans(72, false)};
}

ControlProperties color0()
{
    return {.name = "Color(0)",
        .kind = ControlKind::ColourButton,
        .place = {.left = ColumnLeft, .top = 0, .width = ColourSize, .height = ColourSize},
        .back = Brown,
        .accessibleName = std::string(game::Palette[0].name)};
}

ControlProperties preview()
{
    return {.name = "Preview",
        .kind = ControlKind::Rectangle,
        .place = {.left = 6840, .top = 5040, .width = 975, .height = 495},
        .back = Brown};
}

ControlProperties label1()
{
    return {.name = "Label1",
        .kind = ControlKind::Label,
        .place = {.left = 5040, .top = 5040, .width = 1815, .height = 495},
        .caption = "Color:",
        .font = Font{.face = "Lucida Handwriting", .points = 21.75, .bold = true}};
}

ControlProperties clue0()
{
    return {.name = "Clue(0)",
        .kind = ControlKind::Circle,
        .place = {.left = 480, .top = 0, .width = CluePitch, .height = CluePitch},
        .visible = false};
}

ControlProperties guess0()
{
    return {.name = "Guess(0)",
        .kind = ControlKind::Circle,
        .place = {.left = 0, .top = 0, .width = PegPitch, .height = PegPitch},
        .visible = false};
}

}  // namespace ui::design
