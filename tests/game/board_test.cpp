#include "game/board.h"

#include <cmath>
#include <stdexcept>

#include <gtest/gtest.h>

#include "tests/support/rows.h"

namespace game {
namespace {

using testing::ScriptedUniform;

TEST(Board, NumbersSlotsRowByRowFromOne)
{
    EXPECT_EQ(slotOf(0, 1), 1);
    EXPECT_EQ(slotOf(0, 8), 8);
    EXPECT_EQ(slotOf(1, 1), 9);
    EXPECT_EQ(slotOf(17, 8), 144);
    EXPECT_EQ(slotOf(18, 1), AnswerBase + 1);
    EXPECT_EQ(slotOf(18, 8), 152);
}

TEST(Board, StartsEmptyWithTheAnswerRowHidden)
{
    const Board board;
    for (int slot = 1; slot <= GuessSlots; ++slot) {
        EXPECT_EQ(board.guess(slot).colour, Empty) << slot;
        EXPECT_EQ(board.guess(slot).shown, slot <= 144) << slot;
    }
    for (int slot = 1; slot <= ClueSlots; ++slot)
        EXPECT_EQ(board.clue(slot), Empty) << slot;
}

TEST(Board, RejectsSlotsOutsideItsArrays)
{
    Board board;
    EXPECT_THROW((void)board.guess(153), std::out_of_range);
    EXPECT_THROW((void)board.guess(-1), std::out_of_range);
    EXPECT_THROW((void)board.clue(145), std::out_of_range);
}

TEST(Draw, MapsTheUnitIntervalOntoTwelveEqualBands)
{
    EXPECT_EQ(drawIndex(0.0), 0);
    EXPECT_EQ(drawIndex(std::nextafter(1.0 / 12, 0.0)), 0);
    EXPECT_EQ(drawIndex(1.0 / 12), 1);
    EXPECT_EQ(drawIndex(0.5), 6);
    EXPECT_EQ(drawIndex(11.0 / 12), 11);
    EXPECT_EQ(drawIndex(std::nextafter(1.0, 0.0)), 11);
}

TEST(Draw, KeepsABrokenSourceInsideThePalette)
{
    EXPECT_EQ(drawIndex(1.0), 11);
    EXPECT_EQ(drawIndex(-0.25), 0);
    EXPECT_EQ(drawIndex(std::nan("")), 0);
}

TEST(SeededUniform, StaysBelowOneAndFollowsItsSeed)
{
    SeededUniform a(42);
    SeededUniform b(42);
    SeededUniform c(43);
    int same = 0;
    for (int i = 0; i < 10000; ++i) {
        const double u = a.next();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        EXPECT_EQ(u, b.next());
        same += u == c.next();
    }
    EXPECT_EQ(same, 0);
}

TEST(Setvariables, StartsAtTheFirstRowWithTheDrawnSecret)
{
    State state;
    state.row = 7;
    auto uniform = ScriptedUniform::forSecret("NRKWVMIB");
    setvariables(state, uniform);
    EXPECT_EQ(state.row, 0);
    const char* secret = "NRKWVMIB";
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(state.board.answer(i), testing::peg(secret[i - 1])) << i;
        EXPECT_FALSE(state.board.guess(AnswerBase + i).shown);
    }
    for (int slot = 1; slot <= AnswerBase; ++slot)
        EXPECT_EQ(state.board.guess(slot).colour, Empty) << slot;
}

TEST(Setvariables, DrawsEveryColourEquallyOftenAtEveryPosition)
{
    SeededUniform uniform(2026);
    constexpr int Games = 24000;
    std::array<std::array<int, PaletteSize>, PegsPerRow> seen{};
    int allOneColour = 0;
    for (int n = 0; n < Games; ++n) {
        State state;
        setvariables(state, uniform);
        bool one = true;
        for (int i = 1; i <= PegsPerRow; ++i) {
            const auto index = paletteIndexOf(state.board.answer(i));
            ASSERT_TRUE(index.has_value());
            ++seen[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(*index)];
            one = one && state.board.answer(i) == state.board.answer(1);
        }
        allOneColour += one;
    }
    // 2000 expected per cell; a standard deviation is about 43.
    for (const auto& position : seen) {
        for (int count : position) {
            EXPECT_GT(count, 1750);
            EXPECT_LT(count, 2250);
        }
    }
    // One game in 12^7 is all one colour: at this size, almost never.
    EXPECT_LE(allOneColour, 1);
}

}  // namespace
}  // namespace game
