#include "game/turn.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/rows.h"

namespace game {
namespace {

using testing::clues;
using testing::setRow;
using testing::setSecret;

// Stands in for the window: records each end and, like a Yes, starts a new game.
class RecordingEnd final : public GameEnd {
public:
    explicit RecordingEnd(State& state) : m_state(state) {}

    void correct() override { record("correct"); }
    void lost() override { record("lost"); }

    std::vector<std::string> calls;
    std::vector<std::string> cluesAtCall;  // the submitted row's clues as the dialog opens
    std::vector<bool> answerShownAtCall;

private:
    void record(const char* name)
    {
        calls.emplace_back(name);
        cluesAtCall.push_back(clues(m_state.board, m_state.row < GuessRows ? m_state.row : GuessRows - 1));
        answerShownAtCall.push_back(m_state.board.guess(AnswerBase + 1).shown);
        m_state.board = Board{};
        setSecret(m_state.board, "KKKKKKKK");
        m_state.row = 0;
    }

    State& m_state;
};

struct TurnTest : ::testing::Test {
    TurnTest() { setSecret(state.board, "NROYGTBI"); }

    State state;
    RecordingEnd end{state};
};

TEST_F(TurnTest, CompleteRowIsScoredAndAdvances)
{
    setRow(state.board, 0, "NROYKKKK");
    EXPECT_TRUE(Go_Click(state, end));
    EXPECT_EQ(state.row, 1);
    EXPECT_EQ(state.filled, 8);
    EXPECT_EQ(state.hits, 4);
    EXPECT_EQ(clues(state.board, 0), "BBBB....");
    EXPECT_TRUE(end.calls.empty());

    // The next row counts its own matches, and seven are scored, not a win.
    setRow(state.board, 1, "NROYGTBK");
    EXPECT_TRUE(Go_Click(state, end));
    EXPECT_EQ(state.hits, 7);
    EXPECT_EQ(clues(state.board, 1), "BBBBBBB.");
    EXPECT_TRUE(end.calls.empty());
}

TEST_F(TurnTest, IncompleteRowIsScoredButStaysCurrent)
{
    setRow(state.board, 0, "NRO.KKKK");
    EXPECT_TRUE(Go_Click(state, end));
    EXPECT_EQ(state.row, 0);
    EXPECT_EQ(state.filled, 7);
    EXPECT_EQ(clues(state.board, 0), "BBB.....");

    setRow(state.board, 0, "NROGKKKK");
    EXPECT_TRUE(Go_Click(state, end));
    EXPECT_EQ(state.row, 1);
    EXPECT_EQ(clues(state.board, 0), "BBBW....");
}

TEST_F(TurnTest, EmptyRowLightsNothingAndStays)
{
    setRow(state.board, 0, "KKKKKKKK");
    EXPECT_TRUE(Go_Click(state, end));
    ASSERT_EQ(state.row, 1);
    // The next press submits the untouched next row.
    EXPECT_TRUE(Go_Click(state, end));
    EXPECT_EQ(state.row, 1);
    EXPECT_EQ(state.filled, 0);
    EXPECT_EQ(clues(state.board, 1), "........");
    EXPECT_TRUE(end.calls.empty());
}

TEST_F(TurnTest, WinIsAnnouncedBeforeAnyScoringAndEndsTheSubmission)
{
    setRow(state.board, 4, "NROYGTBI");
    state.row = 4;
    EXPECT_FALSE(Go_Click(state, end));
    ASSERT_EQ(end.calls, std::vector<std::string>{"correct"});
    EXPECT_EQ(end.cluesAtCall[0], "........");
    // Nothing ran on the new game after correct returned.
    EXPECT_EQ(state.row, 0);
    for (int slot = 1; slot <= ClueSlots; ++slot)
        EXPECT_EQ(state.board.clue(slot), Empty) << slot;
}

TEST_F(TurnTest, WinOnTheEighteenthRowIsAWinNotALoss)
{
    state.row = 17;
    setRow(state.board, 17, "NROYGTBI");
    EXPECT_FALSE(Go_Click(state, end));
    EXPECT_EQ(end.calls, std::vector<std::string>{"correct"});
}

TEST_F(TurnTest, EighteenthCompleteRowLosesWithItsCluesLit)
{
    for (int row = 0; row < GuessRows; ++row) {
        ASSERT_EQ(state.row, row);
        ASSERT_TRUE(end.calls.empty()) << "lost after row " << row;
        setRow(state.board, row, "IBTGYORN");
        EXPECT_EQ(Go_Click(state, end), row < GuessRows - 1);
    }
    ASSERT_EQ(end.calls, std::vector<std::string>{"lost"});
    EXPECT_EQ(end.cluesAtCall[0], "WWWWWWWW");
}

TEST_F(TurnTest, IncompleteEighteenthRowDoesNotLose)
{
    state.row = 17;
    setRow(state.board, 17, "IBTGYOR.");
    EXPECT_TRUE(Go_Click(state, end));
    EXPECT_TRUE(end.calls.empty());
    EXPECT_EQ(state.row, 17);
}

}  // namespace
}  // namespace game
