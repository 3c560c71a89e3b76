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
// of a complete row, then the loss test.
void Go_Click(State& state, GameEnd& end);

}  // namespace game
