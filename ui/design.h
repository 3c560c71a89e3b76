#pragma once

#include "ui/toolkit.h"

// The window as it stands before it loads: its size and colour, and the one
// example of each control. Elements 0 of the arrays are the templates that
// loaditems copies.
namespace ui::design {

inline constexpr int ClientWidth = 7860;
inline constexpr int ClientHeight = 9435;
inline constexpr game::Colour Background = game::Empty;
inline constexpr game::Colour Brown = game::RGB(128, 64, 0);

[[nodiscard]] ControlProperties giveUp();
[[nodiscard]] ControlProperties reset();
[[nodiscard]] ControlProperties button0();
[[nodiscard]] ControlProperties go();
[[nodiscard]] ControlProperties color0();
[[nodiscard]] ControlProperties preview();
[[nodiscard]] ControlProperties label1();
[[nodiscard]] ControlProperties clue0();
[[nodiscard]] ControlProperties guess0();

}  // namespace ui::design
