#include "ui/design.h"

#include <utility>

namespace ui::design {
namespace {

constexpr int CommandWidth = 2895;
constexpr int CommandHeight = 975;
constexpr int ColourSize = 975;

// The properties every control states; the rest keep their defaults.
ControlProperties control(std::string name, ControlKind kind, Twips place, std::string caption = {})
{
    ControlProperties properties;
    properties.name = std::move(name);
    properties.kind = kind;
    properties.place = place;
    properties.caption = std::move(caption);
    return properties;
}

ControlProperties command(std::string name, int top, int height, std::string caption, Font font)
{
    ControlProperties properties = control(std::move(name), ControlKind::CommandButton,
        {.left = ColumnLeft, .top = top, .width = CommandWidth, .height = height}, std::move(caption));
    properties.font = std::move(font);
    return properties;
}

Font comicSans(double points, bool bold)
{
    return Font{.face = "Comic Sans MS", .points = points, .bold = bold};
}

ControlProperties circle(std::string name, Twips place)
{
    ControlProperties properties = control(std::move(name), ControlKind::Circle, place);
    properties.visible = false;
    return properties;
}

}  // namespace

ControlProperties giveUp()
{
    return command("GiveUp", 8520, CommandHeight, "Give Up!", comicSans(27.75, true));
}

ControlProperties reset()
{
    return command("Reset", 7560, CommandHeight, "Reset!", comicSans(27.75, true));
}

// Never used, so never shown and never reached by the keyboard.
ControlProperties button0()
{
    ControlProperties properties = control("Button(0)", ControlKind::CommandButton,
        {.left = 6600, .top = ButtonTops[1], .width = 735, .height = 615}, "0");
    properties.visible = false;
    properties.tabStop = false;
    return properties;
}

ControlProperties go()
{
    return command("Go", 5520, 2025, "Go!", comicSans(72, false));
}

ControlProperties color0()
{
    ControlProperties properties = control("Color(0)", ControlKind::ColourButton,
        {.left = ColumnLeft, .top = 0, .width = ColourSize, .height = ColourSize});
    properties.back = Brown;
    properties.accessibleName = std::string(game::Palette[0].name);
    return properties;
}

ControlProperties preview()
{
    ControlProperties properties
        = control("Preview", ControlKind::Rectangle, {.left = 6840, .top = 5040, .width = 975, .height = 495});
    properties.back = Brown;
    return properties;
}

ControlProperties label1()
{
    ControlProperties properties
        = control("Label1", ControlKind::Label, {.left = 5040, .top = 5040, .width = 1815, .height = 495}, "Color:");
    properties.font = Font{.face = "Lucida Handwriting", .points = 21.75, .bold = true};
    return properties;
}

ControlProperties clue0()
{
    return circle("Clue(0)", {.left = 480, .top = 0, .width = CluePitch, .height = CluePitch});
}

ControlProperties guess0()
{
    return circle("Guess(0)", {.left = 0, .top = 0, .width = PegPitch, .height = PegPitch});
}

}  // namespace ui::design
