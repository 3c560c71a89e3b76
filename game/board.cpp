#include "game/board.h"

#include <cmath>
#include <cstddef>

namespace game {

Board::Board()
{
    m_clue.fill(Empty);
    for (int slot = 1; slot <= AnswerBase; ++slot)
        m_guess[static_cast<std::size_t>(slot)].shown = true;
}

GuessSlot& Board::guess(int slot)
{
    return m_guess.at(static_cast<std::size_t>(slot));
}

const GuessSlot& Board::guess(int slot) const
{
    return m_guess.at(static_cast<std::size_t>(slot));
}

Colour& Board::clue(int slot)
{
    return m_clue.at(static_cast<std::size_t>(slot));
}

Colour Board::clue(int slot) const
{
    return m_clue.at(static_cast<std::size_t>(slot));
}

int drawIndex(double u)
{
    const double x = std::floor(u * PaletteSize);
    // A source that breaks its [0, 1) promise still yields a palette colour.
    if (!(x >= 0.0))
        return 0;
    if (x >= PaletteSize - 1)
        return PaletteSize - 1;
    return static_cast<int>(x);
}

void setvariables(State& state, Uniform& uniform)
{
    state.row = 0;
    for (int i = 1; i <= PegsPerRow; ++i)
        state.board.guess(AnswerBase + i).colour = Palette[static_cast<std::size_t>(drawIndex(uniform.next()))].colour;
}

}  // namespace game
