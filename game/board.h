#pragma once

#include <array>
#include <cstdint>

#include "game/palette.h"
#include "game/random.h"

namespace game {

inline constexpr int PegsPerRow = 8;
inline constexpr int GuessRows = 18;                       // board rows 1-18
inline constexpr int BoardRows = GuessRows + 1;            // row 19 holds the secret
inline constexpr int GuessSlots = BoardRows * PegsPerRow;  // Guess(1)..Guess(152)
inline constexpr int ClueSlots = GuessRows * PegsPerRow;   // Clue(1)..Clue(144)
inline constexpr int AnswerBase = GuessRows * PegsPerRow;  // Guess(AnswerBase + i) is secret peg i

// The slot of position 1-8 on a row counted from 0, as the `row` counter counts:
// Guess(slotOf(row, p)) is the peg, Clue(slotOf(row, k)) the k-th clue peg.
[[nodiscard]] constexpr int slotOf(int row, int position)
{
    return row * PegsPerRow + position;
}

struct GuessSlot {
    Colour colour = Empty;
    bool shown = false;
};

// The whole record of a game: guesses, clues and the secret are slot colours.
// Slots count from 1; slot 0 of each array exists and is never used.
class Board {
public:
    Board();

    // Out-of-range slots throw std::out_of_range.
    [[nodiscard]] GuessSlot& guess(int slot);
    [[nodiscard]] const GuessSlot& guess(int slot) const;
    [[nodiscard]] Colour& clue(int slot);
    [[nodiscard]] Colour clue(int slot) const;

    [[nodiscard]] Colour answer(int position) const { return guess(AnswerBase + position).colour; }

private:
    std::array<GuessSlot, GuessSlots + 1> m_guess{};
    std::array<Colour, ClueSlots + 1> m_clue{};
};

// The counters that the window owns beside its board. They outlive a new game:
// only `row` is reset by setvariables, the rest are recomputed before use.
struct State {
    Board board;
    int row = 0;     // 0-based current guess row; reaches 18 only as the game is lost
    int filled = 0;  // coloured pegs of the current row at the last "Go!"
    std::int16_t hits = 0;
    std::array<int, PaletteSize> guesscounts{};
    std::array<int, PaletteSize> answercounts{};
    std::array<int, PaletteSize> common{};
    int total = 0;
    std::int16_t exact = 0;
};

// Palette index of a draw u in [0, 1): floor(u * 12).
[[nodiscard]] int drawIndex(double u);

// Starts a game on a freshly built board: first row current, a new secret.
void setvariables(State& state, Uniform& uniform);

}  // namespace game
