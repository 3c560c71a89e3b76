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

[[nodiscard]] ControlSpec giveUp();
[[nodiscard]] ControlSpec reset();
[[nodiscard]] ControlSpec button0();
[[nodiscard]] ControlSpec go();
[[nodiscard]] ControlSpec color0();
[[nodiscard]] ControlSpec preview();
[[nodiscard]] ControlSpec label1();
[[nodiscard]] ControlSpec clue0();
[[nodiscard]] ControlSpec guess0();

}  // namespace ui::design
