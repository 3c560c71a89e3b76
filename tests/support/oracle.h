#pragma once

// Scores a guess by matching pegs one by one instead of counting colours, to
// check the game's scoring against: exact pairs first, then each remaining
// guess peg takes the first unused secret peg of its colour. -1 is an empty peg.

#include <array>
#include <utility>

namespace game::testing {

inline std::pair<int, int> oracleScore(const std::array<int, 8>& secret, const std::array<int, 8>& guess)
{
    std::array<bool, 8> secretUsed{};
    std::array<bool, 8> guessUsed{};
    int black = 0;
    int white = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        if (guess[i] >= 0 && guess[i] == secret[i]) {
            ++black;
            secretUsed[i] = guessUsed[i] = true;
        }
    }
    for (std::size_t i = 0; i < 8; ++i) {
        if (guessUsed[i] || guess[i] < 0)
            continue;
        for (std::size_t j = 0; j < 8; ++j) {
            if (!secretUsed[j] && secret[j] == guess[i]) {
                secretUsed[j] = true;
                ++white;
                break;
            }
        }
    }
    return {black, white};
}

}  // namespace game::testing
