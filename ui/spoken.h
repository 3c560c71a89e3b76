#pragma once

#include <string>

#include "game/board.h"

namespace ui {

// What a screen reader says where the window shows only colours, as texts of
// the game's state. Rows count from 0, positions from 1.

// Clue pegs by kind.
struct Clues {
    int black = 0;
    int white = 0;
};

// The clue pegs lit on a guess row.
[[nodiscard]] Clues cluesOf(const game::Board& board, int row);

// "red", or "empty" for a colour outside the palette.
[[nodiscard]] std::string colourName(game::Colour colour);

// "Row 1: red, red, orange, empty, empty, empty, empty, empty; 1 black, 2 white":
// the pegs, and the clues once the row has been scored.
[[nodiscard]] std::string rowText(const game::State& state, int row);

// "3: red": the peg that position button 3 paints on the current row.
[[nodiscard]] std::string positionText(const game::State& state, int position);

// "Chosen colour: red".
[[nodiscard]] std::string swatchText(game::Colour chosen);

// "Row 1: 1 black, 2 white", heard as "Go!" scores a row.
[[nodiscard]] std::string scoreText(int row, Clues clues);

// "Secret: red, red, orange, yellow, green, cyan, blue, navy".
[[nodiscard]] std::string secretText(const game::Board& board);

}  // namespace ui
