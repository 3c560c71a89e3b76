#include "ui/spoken.h"

#include <cstddef>
#include <optional>

namespace ui {
namespace {

std::string pegs(const game::Board& board, int row)
{
    std::string text;
    for (int p = 1; p <= game::PegsPerRow; ++p)
        text += (p == 1 ? " " : ", ") + colourName(board.guess(game::slotOf(row, p)).colour);
    return text;
}

std::string cluesText(Clues clues)
{
    return std::to_string(clues.black) + " black, " + std::to_string(clues.white) + " white";
}

}  // namespace

Clues cluesOf(const game::Board& board, int row)
{
    Clues clues;
    for (int k = 1; k <= game::PegsPerRow; ++k) {
        const game::Colour clue = board.clue(game::slotOf(row, k));
        clues.black += clue == game::ClueBlack ? 1 : 0;
        clues.white += clue == game::ClueWhite ? 1 : 0;
    }
    return clues;
}

std::string colourName(game::Colour colour)
{
    const std::optional<int> index = game::paletteIndexOf(colour);
    return index ? std::string(game::Palette[static_cast<std::size_t>(*index)].name) : "empty";
}

std::string rowText(const game::State& state, int row)
{
    std::string text = "Row " + std::to_string(row + 1) + ":" + pegs(state.board, row);
    // Rows above the current one were scored as they were left; the current
    // one has been once a clue is lit. A row scored with no clue at all reads
    // as the board shows it, with none.
    const Clues clues = cluesOf(state.board, row);
    if (row < state.row || clues.black + clues.white > 0)
        text += "; " + cluesText(clues);
    return text;
}

std::string positionText(const game::State& state, int position)
{
    return std::to_string(position) + ": " + colourName(state.board.guess(game::slotOf(state.row, position)).colour);
}

std::string swatchText(game::Colour chosen)
{
    return "Chosen colour: " + colourName(chosen);
}

std::string scoreText(int row, Clues clues)
{
    return "Row " + std::to_string(row + 1) + ": " + cluesText(clues);
}

std::string secretText(const game::Board& board)
{
    return "Secret:" + pegs(board, game::GuessRows);
}

}  // namespace ui
