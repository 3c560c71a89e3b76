#include "game/scoring.h"

#include <cstddef>
#include <optional>

namespace game {
namespace {

void countColour(Colour colour, std::array<int, PaletteSize>& counts)
{
    // The empty colour matches no palette entry and is counted nowhere.
    if (const std::optional<int> index = paletteIndexOf(colour))
        ++counts[static_cast<std::size_t>(*index)];
}

}  // namespace

void evaluate(State& state)
{
    state.guesscounts.fill(0);
    state.answercounts.fill(0);
    state.common.fill(0);
    state.exact = 0;

    for (int i = 1; i <= PegsPerRow; ++i) {
        const Colour g = state.board.guess(slotOf(state.row, i)).colour;
        const Colour a = state.board.answer(i);
        countColour(g, state.guesscounts);
        countColour(a, state.answercounts);
        if (g == a)
            ++state.exact;
    }

    // Count by colour, not by position: a colour that appears twice in the
    // guess but once in the secret is shared only once.
    state.total = 0;
    for (std::size_t c = 0; c < PaletteSize; ++c) {
        state.common[c] = state.guesscounts[c] > state.answercounts[c] ? state.answercounts[c] : state.guesscounts[c];
        state.total += state.common[c];
    }

    // White first, then black over it, so the black pegs take the first slots.
    for (int k = 1; k <= state.total; ++k)
        state.board.clue(slotOf(state.row, k)) = ClueWhite;
    for (int k = 1; k <= state.exact; ++k)
        state.board.clue(slotOf(state.row, k)) = ClueBlack;
    for (int k = state.total + 1; k <= PegsPerRow; ++k)
        state.board.clue(slotOf(state.row, k)) = Empty;
}

}  // namespace game
