#pragma once

// Boards written in the palette's code letters: "RROYGTBI", '.' for an empty peg.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/board.h"

namespace game::testing {

inline Colour peg(char letter)
{
    for (const PaletteEntry& entry : Palette) {
        if (entry.letter == letter)
            return entry.colour;
    }
    return Empty;
}

inline void setRow(Board& board, int row, std::string_view pegs)
{
    for (int p = 1; p <= PegsPerRow; ++p)
        board.guess(slotOf(row, p)).colour = peg(pegs[static_cast<std::size_t>(p - 1)]);
}

inline void setSecret(Board& board, std::string_view pegs)
{
    for (int p = 1; p <= PegsPerRow; ++p)
        board.guess(AnswerBase + p).colour = peg(pegs[static_cast<std::size_t>(p - 1)]);
}

// A peg's code letter, '.' when empty.
inline char pegLetter(Colour colour)
{
    const std::optional<int> index = paletteIndexOf(colour);
    return index ? codeLetter(*index) : '.';
}

// A clue peg as 'B' (black), 'W' (white) or '.' (unlit).
inline char clueLetter(Colour colour)
{
    return colour == ClueBlack ? 'B' : colour == ClueWhite ? 'W' : colour == Empty ? '.' : '?';
}

inline std::string clues(const Board& board, int row)
{
    std::string out;
    for (int k = 1; k <= PegsPerRow; ++k)
        out += clueLetter(board.clue(slotOf(row, k)));
    return out;
}

// Plays back fixed draws; seeding is recorded and otherwise ignored.
class ScriptedUniform final : public Uniform {
public:
    explicit ScriptedUniform(std::vector<double> draws) : m_draws(std::move(draws)) {}

    // Draws that make setvariables produce the given secret.
    static ScriptedUniform forSecret(std::string_view pegs)
    {
        std::vector<double> draws;
        for (char letter : pegs) {
            for (int i = 0; i < PaletteSize; ++i) {
                if (Palette[static_cast<std::size_t>(i)].letter == letter)
                    draws.push_back((i + 0.5) / PaletteSize);
            }
        }
        return ScriptedUniform(std::move(draws));
    }

    void seed(std::uint64_t) override { ++seeds; }
    double next() override
    {
        const double u = m_draws[m_next % m_draws.size()];
        ++m_next;
        return u;
    }

    int seeds = 0;

private:
    std::vector<double> m_draws;
    std::size_t m_next = 0;
};

}  // namespace game::testing
