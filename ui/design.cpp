#include "ui/design.h"

namespace ui::design {
namespace {

Font comicSans(double points, bool bold)
{
    return Font{"Comic Sans MS", points, bold};
}

}  // namespace

ControlProperties giveUp()
{
    return {"GiveUp", ControlKind::CommandButton, {4980, 8520, 2895, 975}, "Give Up!", comicSans(27.75, true),
        game::Empty, true, {}};
}

ControlProperties reset()
{
    return {"Reset", ControlKind::CommandButton, {4980, 7560, 2895, 975}, "Reset!", comicSans(27.75, true), game::Empty,
        true, {}};
}

ControlProperties button0()
{
    return {"Button(0)", ControlKind::CommandButton, {6600, 4440, 735, 615}, "0", std::nullopt, game::Empty, false, {}};
}

ControlProperties go()
{
    return {
        "Go", ControlKind::CommandButton, {4980, 5520, 2895, 2025}, "Go!", comicSans(72, false), game::Empty, true, {}};
}

ControlProperties color0()
{
    return {"Color(0)", ControlKind::ColourButton, {4980, 0, 975, 975}, "", std::nullopt, Brown, true,
        std::string(game::Palette[0].name)};
}

ControlProperties preview()
{
    return {"Preview", ControlKind::Rectangle, {6840, 5040, 975, 495}, "", std::nullopt, Brown, true, {}};
}

ControlProperties label1()
{
    return {"Label1", ControlKind::Label, {5040, 5040, 1815, 495}, "Color:", Font{"Lucida Handwriting", 21.75, true},
        game::Empty, true, {}};
}

ControlProperties clue0()
{
    return {"Clue(0)", ControlKind::Circle, {480, 0, 255, 255}, "", std::nullopt, game::Empty, false, {}};
}

ControlProperties guess0()
{
    return {"Guess(0)", ControlKind::Circle, {0, 0, 495, 495}, "", std::nullopt, game::Empty, false, {}};
}

}  // namespace ui::design
