#pragma once

#include <array>

#include "game/board.h"
#include "ui/toolkit.h"

// The window as it stands before it loads: its size and colour, the one example
// of each control, and the grid on which loaditems places the copies. Elements
// 0 of the arrays are the templates that loaditems copies. All lengths in twips.
namespace ui::design {

inline constexpr int ClientWidth = 7860;
inline constexpr int ClientHeight = 9435;
inline constexpr game::Colour Background = game::Empty;
inline constexpr game::Colour Brown = game::RGB(128, 64, 0);

// Guess pegs touch one another; each row's clue block of two lines of four
// stands right of its eight pegs.
inline constexpr int PegPitch = 495;
inline constexpr int ClueLeft = 3960;
inline constexpr int CluePitch = 255;

// A guess row, 0-17, with its clue block; the answer row, 18, has no clues.
[[nodiscard]] constexpr Twips rowPlace(int row)
{
    return {0, row * PegPitch, ClueLeft + 4 * CluePitch, PegPitch};
}
[[nodiscard]] constexpr Twips answerRowPlace()
{
    return {0, game::GuessRows * PegPitch, game::PegsPerRow * PegPitch, PegPitch};
}

// The right-hand column: colour buttons in lines of three, then two lines of
// four position buttons, whose steps are not equal.
inline constexpr int ColumnLeft = 4980;
inline constexpr int ColourPitch = 960;
inline constexpr int ColoursPerLine = 3;
inline constexpr std::array<int, 4> ButtonLefts = {4980, 5700, 6430, 7140};
inline constexpr std::array<int, 2> ButtonTops = {3840, 4440};

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
