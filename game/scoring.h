#pragma once

#include "game/board.h"

namespace game {

// Scores the current row (state.row, 0-17) against the secret and lights its
// clue pegs: black for each exact match first, then white for each further
// shared colour. Clue slots beyond the new count go dark, so a row scored again
// shows only its latest score.
void evaluate(State& state);

}  // namespace game
