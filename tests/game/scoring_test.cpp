#include "game/scoring.h"

#include <random>

#include <gtest/gtest.h>

#include "tests/support/oracle.h"
#include "tests/support/rows.h"

namespace game {
namespace {

using testing::clues;
using testing::setRow;
using testing::setSecret;

std::string scoreRow(std::string_view secret, std::string_view guess, int row = 0)
{
    State state;
    setSecret(state.board, secret);
    setRow(state.board, row, guess);
    state.row = row;
    evaluate(state);
    return clues(state.board, row);
}

TEST(Evaluate, WorkedExample)
{
    State state;
    setSecret(state.board, "RROYGTBI");
    setRow(state.board, 0, "RORKKKKK");
    evaluate(state);
    EXPECT_EQ(state.exact, 1);
    EXPECT_EQ(state.common[1], 2);  // red
    EXPECT_EQ(state.common[2], 1);  // orange
    EXPECT_EQ(state.total, 3);
    EXPECT_EQ(clues(state.board, 0), "BWW.....");
}

TEST(Evaluate, PutsBlackPegsFirstWhateverThePositions)
{
    // Exact matches at the last positions still light the first clue slots.
    EXPECT_EQ(scoreRow("NRROOYYG", "RNORYOYG"), "BBWWWWWW");
    EXPECT_EQ(scoreRow("NROYGTBI", "ROYGTBIN"), "WWWWWWWW");
    EXPECT_EQ(scoreRow("NROYGTBI", "KKKKKKBI"), "BB......");
}

TEST(Evaluate, CountsARepeatedColourNoMoreOftenThanTheSecretHoldsIt)
{
    EXPECT_EQ(scoreRow("RNNNNNNR", "RRRRRRRR"), "BB......");
    EXPECT_EQ(scoreRow("RNNNNNNN", "KRRRRRRR"), "W.......");
    EXPECT_EQ(scoreRow("RRRRRRRK", "KRNNNNNN"), "BW......");
}

TEST(Evaluate, ScoresBrownWhiteAndBlackPegsLikeAnyOtherColour)
{
    EXPECT_EQ(scoreRow("NNWWKKRR", "NWKNWKYY"), "BBWWWW..");
}

TEST(Evaluate, IgnoresEmptyPegs)
{
    EXPECT_EQ(scoreRow("NROYGTBI", "........"), "........");
    EXPECT_EQ(scoreRow("NROYGTBI", "N.Y....R"), "BWW.....");
}

TEST(Evaluate, ScoresTheCurrentRowOnly)
{
    State state;
    setSecret(state.board, "NROYGTBI");
    setRow(state.board, 0, "NROYGTBK");
    setRow(state.board, 17, "IBTGYORN");
    state.row = 17;
    evaluate(state);
    EXPECT_EQ(clues(state.board, 17), "WWWWWWWW");
    EXPECT_EQ(clues(state.board, 0), "........");
    EXPECT_EQ(clues(state.board, 16), "........");
}

TEST(Evaluate, RescoredRowShowsOnlyItsLatestScore)
{
    State state;
    setSecret(state.board, "RROYGTBI");
    setRow(state.board, 3, "RRO.YGT.");
    state.row = 3;
    evaluate(state);
    ASSERT_EQ(clues(state.board, 3), "BBBWWW..");

    setRow(state.board, 3, "KK..Y..N");
    evaluate(state);
    EXPECT_EQ(clues(state.board, 3), "W.......");

    setRow(state.board, 3, "........");
    evaluate(state);
    EXPECT_EQ(clues(state.board, 3), "........");
}

TEST(Evaluate, AgreesWithPegByPegMatchingOnRandomRows)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> colour(-1, PaletteSize - 1);  // -1 is an empty peg
    std::uniform_int_distribution<int> narrow(0, 2);
    for (int n = 0; n < 20000; ++n) {
        // Every other case draws from three colours, so repeats are common.
        const bool fewColours = n % 2 == 0;
        std::array<int, 8> secret{};
        std::array<int, 8> guess{};
        State state;
        state.row = n % GuessRows;
        for (std::size_t i = 0; i < 8; ++i) {
            secret[i] = fewColours ? narrow(random) : std::max(0, colour(random));
            guess[i] = fewColours ? narrow(random) - (colour(random) < 1 ? 3 : 0) : colour(random);
            if (guess[i] < 0)
                guess[i] = -1;
            const int p = static_cast<int>(i) + 1;
            state.board.guess(AnswerBase + p).colour = paletteColour(secret[i]);
            state.board.guess(slotOf(state.row, p)).colour = guess[i] < 0 ? Empty : paletteColour(guess[i]);
        }
        // A previous score left behind must not survive.
        for (int k = 1; k <= 8; ++k)
            state.board.clue(slotOf(state.row, k)) = k % 2 ? ClueBlack : ClueWhite;

        evaluate(state);
        const auto [black, white] = testing::oracleScore(secret, guess);
        const std::string expected = std::string(static_cast<std::size_t>(black), 'B')
            + std::string(static_cast<std::size_t>(white), 'W')
            + std::string(static_cast<std::size_t>(8 - black - white), '.');
        ASSERT_EQ(clues(state.board, state.row), expected) << "case " << n;
        ASSERT_EQ(state.exact, black);
        ASSERT_EQ(state.total, black + white);
    }
}

}  // namespace
}  // namespace game
