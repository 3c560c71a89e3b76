#pragma once

#include "game/board.h"

namespace game {

// The window's two ends of a game. Each returns only after it has started a new
// game; its other outcome ends the program.
class GameEnd {
public:
    virtual void correct() = 0;
    virtual void lost() = 0;

protected:
    ~GameEnd() = default;
};

// Submits the current row: the win test first, then scoring, then the advance
// of a complete row, then the loss test. False once the game has ended (the
// board then belongs to a new game, or the program has ended), true while
// play goes on on this board.
[[nodiscard]] bool Go_Click(State& state, GameEnd& end);

}  // namespace game
