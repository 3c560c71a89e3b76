#include "game/turn.h"

#include "game/scoring.h"

namespace game {

bool Go_Click(State& state, GameEnd& end)
{
    state.hits = 0;
    state.filled = 0;
    for (int i = 1; i <= PegsPerRow; ++i) {
        const Colour g = state.board.guess(slotOf(state.row, i)).colour;
        if (g == state.board.answer(i))
            ++state.hits;
        if (g != Empty)
            ++state.filled;
    }

    if (state.hits == PegsPerRow) {
        // The board now belongs to the new game that correct started.
        end.correct();
        return false;
    }

    evaluate(state);
    if (state.filled == PegsPerRow)
        ++state.row;
    if (state.row < GuessRows)
        return true;
    end.lost();
    return false;
}

}  // namespace game
