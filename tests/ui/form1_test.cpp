#include "ui/form1.h"

#include <set>

#include <gtest/gtest.h>

#include "tests/support/fake_toolkit.h"
#include "tests/support/rows.h"

namespace ui {
namespace {

using game::testing::ScriptedUniform;
using testing::FakeToolkit;

std::string guess(int slot)
{
    return "Guess(" + std::to_string(slot) + ")";
}

std::string clue(int slot)
{
    return "Clue(" + std::to_string(slot) + ")";
}

struct Form1Test : ::testing::Test {
    Form1Test() { form.load(); }

    // The board's pegs as code letters, '.' for empty.
    std::string rowOnScreen(int row) const
    {
        std::string out;
        for (int p = 1; p <= 8; ++p)
            out += game::testing::pegLetter(toolkit.colourOf(guess(game::slotOf(row, p))));
        return out;
    }
    std::string cluesOnScreen(int row) const
    {
        std::string out;
        for (int k = 1; k <= 8; ++k)
            out += game::testing::clueLetter(toolkit.colourOf(clue(game::slotOf(row, k))));
        return out;
    }
    void play(std::string_view pegs)
    {
        for (int p = 1; p <= 8; ++p) {
            const char letter = pegs[static_cast<std::size_t>(p - 1)];
            if (letter == '.')
                continue;
            const auto colour = game::paletteIndexOf(game::testing::peg(letter));
            toolkit.click("Color(" + std::to_string(*colour) + ")");
            toolkit.click("Button(" + std::to_string(p) + ")");
        }
        toolkit.click("Go");
    }

    FakeToolkit toolkit;
    // The first game's secret, then the second's.
    ScriptedUniform random{[] {
        std::vector<double> draws;
        for (int i : {1, 1, 2, 3, 4, 5, 6, 7, 0, 11, 10, 9, 8, 7, 6, 5})
            draws.push_back((i + 0.5) / 12);
        return draws;
    }()};
    Form1 form{toolkit, random};
};

TEST_F(Form1Test, OpensTheWindowWithItsCaptionSizeAndColour)
{
    EXPECT_EQ(toolkit.caption, "Huecracker");
    EXPECT_EQ(toolkit.size, (Twips{0, 0, 7860, 9435}));
    EXPECT_EQ(toolkit.background, game::RGB(192, 192, 192));
    EXPECT_TRUE(toolkit.windowShown);
}

TEST_F(Form1Test, CreatesTheDesignControlsThenTheArraysInLoadOrder)
{
    ASSERT_EQ(toolkit.controls.size(), 9u + 152 + 144 + 8 + 11);
    std::vector<std::string> names;
    for (const auto& control : toolkit.controls)
        names.push_back(control.properties.name);
    const std::vector<std::string> design{
        "GiveUp", "Reset", "Button(0)", "Go", "Color(0)", "Preview", "Label1", "Clue(0)", "Guess(0)"};
    EXPECT_EQ(std::vector(names.begin(), names.begin() + 9), design);
    // Guess pegs column by column, clue pegs row by row from the right.
    EXPECT_EQ(names[9], guess(1));
    EXPECT_EQ(names[10], guess(9));
    EXPECT_EQ(names[9 + 18], guess(145));
    EXPECT_EQ(names[9 + 19], guess(2));
    EXPECT_EQ(names[9 + 152], clue(8));
    EXPECT_EQ(names[9 + 152 + 7], clue(1));
    EXPECT_EQ(names[9 + 152 + 8], clue(16));
    EXPECT_EQ(names[9 + 152 + 144], "Button(1)");
    EXPECT_EQ(names.back(), "Color(11)");
}

TEST_F(Form1Test, PlacesEveryControlOnItsGrid)
{
    const auto at = [&](const std::string& name) { return toolkit.named(name).properties.place; };
    for (int slot = 1; slot <= 152; ++slot) {
        const int row = (slot - 1) / 8;
        const int column = (slot - 1) % 8;
        EXPECT_EQ(at(guess(slot)), (Twips{495 * column, 495 * row, 495, 495})) << slot;
    }
    EXPECT_EQ(at(guess(8)).left, 3465);
    EXPECT_EQ(at(guess(145)).top, 8910);
    for (int slot = 1; slot <= 144; ++slot) {
        const int row = (slot - 1) / 8;
        const int k = (slot - 1) % 8;  // 0-7 in reading order
        EXPECT_EQ(at(clue(slot)), (Twips{3960 + 255 * (k % 4), 495 * row + 255 * (k / 4), 255, 255})) << slot;
    }
    EXPECT_EQ(at(clue(144)), (Twips{4725, 8670, 255, 255}));
    const Twips buttons[]
        = {{4980, 3840, 735, 615}, {5700, 3840, 735, 615}, {6430, 3840, 735, 615}, {7140, 3840, 735, 615},
            {4980, 4440, 735, 615}, {5700, 4440, 735, 615}, {6430, 4440, 735, 615}, {7140, 4440, 735, 615}};
    for (int b = 1; b <= 8; ++b) {
        EXPECT_EQ(at("Button(" + std::to_string(b) + ")"), buttons[b - 1]) << b;
        EXPECT_EQ(toolkit.named("Button(" + std::to_string(b) + ")").properties.caption, std::to_string(b));
    }
    for (int c = 0; c < 12; ++c) {
        const std::string name = "Color(" + std::to_string(c) + ")";
        EXPECT_EQ(at(name), (Twips{4980 + 960 * (c % 3), 960 * (c / 3), 975, 975})) << c;
        EXPECT_EQ(toolkit.colourOf(name), game::Palette[static_cast<std::size_t>(c)].colour) << c;
        EXPECT_EQ(toolkit.named(name).properties.accessibleName, game::Palette[static_cast<std::size_t>(c)].name);
        EXPECT_EQ(toolkit.named(name).properties.kind, ControlKind::ColourButton);
    }
}

TEST_F(Form1Test, ShowsEmptyRowsAndHidesTheTemplatesAndTheSecret)
{
    int shownPegs = 0;
    for (const auto& control : toolkit.controls) {
        const ControlProperties& properties = control.properties;
        if (properties.kind != ControlKind::Circle || !properties.visible)
            continue;
        ++shownPegs;
        EXPECT_EQ(properties.back, game::Empty) << properties.name;
    }
    EXPECT_EQ(shownPegs, 144 + 144);
    for (const char* name : {"Guess(0)", "Clue(0)", "Button(0)", "Guess(145)", "Guess(152)"})
        EXPECT_FALSE(toolkit.named(name).properties.visible) << name;
    EXPECT_EQ(toolkit.colourOf("Preview"), game::RGB(128, 64, 0));
}

TEST_F(Form1Test, DrawsTheSecretIntoTheHiddenAnswerRow)
{
    EXPECT_EQ(rowOnScreen(18), "RROYGTBI");
    EXPECT_EQ(form.state().row, 0);
    EXPECT_EQ(random.seeds, 1);
}

TEST_F(Form1Test, PaintsThePegOfTheCurrentRowWithThePreviewColour)
{
    toolkit.click("Button(1)");
    EXPECT_EQ(rowOnScreen(0), "N.......");  // brown before any colour is chosen
    toolkit.click("Color(1)");
    EXPECT_EQ(toolkit.colourOf("Preview"), game::RGB(255, 0, 0));
    toolkit.click("Button(3)");
    toolkit.click("Color(6)");
    toolkit.click("Button(3)");
    EXPECT_EQ(rowOnScreen(0), "N.B.....");
    toolkit.click("Color(0)");
    EXPECT_EQ(toolkit.colourOf("Preview"), game::RGB(128, 64, 0));
    EXPECT_EQ(form.state().board.guess(3).colour, game::RGB(0, 0, 255));
}

TEST_F(Form1Test, AfterACompleteRowTheButtonsPaintTheNextRow)
{
    play("KKKKKKKK");
    EXPECT_EQ(form.state().row, 1);
    toolkit.click("Color(4)");
    toolkit.click("Button(5)");
    EXPECT_EQ(rowOnScreen(0), "KKKKKKKK");
    EXPECT_EQ(rowOnScreen(1), "....G...");
}

TEST_F(Form1Test, GoShowsTheScoreAndAnIncompleteRowCanBeRescored)
{
    play("RRO.....");
    EXPECT_EQ(cluesOnScreen(0), "BBB.....");
    EXPECT_EQ(form.state().row, 0);
    toolkit.click("Color(11)");
    toolkit.click("Button(1)");
    toolkit.click("Button(2)");
    toolkit.click("Go");
    EXPECT_EQ(cluesOnScreen(0), "B.......");
}

TEST_F(Form1Test, ScreenReadersHearEachRowByItsPegsAndLatestClues)
{
    const std::string empty = "empty, empty, empty, empty, empty, empty, empty, empty";
    EXPECT_EQ(toolkit.rows[0].name, "Row 1: " + empty);
    EXPECT_TRUE(toolkit.rows[0].current);
    EXPECT_EQ(toolkit.named("Preview").properties.accessibleName, "Chosen colour: brown");
    EXPECT_EQ(toolkit.rows[0].place, (Twips{0, 0, 4980, 495}));
    EXPECT_EQ(toolkit.rows[17].place, (Twips{0, 8415, 4980, 495}));

    play("ROR.....");
    EXPECT_EQ(toolkit.rows[0].name, "Row 1: red, orange, red, empty, empty, empty, empty, empty; 1 black, 2 white");
    EXPECT_TRUE(toolkit.rows[0].current);
    EXPECT_EQ(toolkit.spoken.back(), "Row 1: 1 black, 2 white");
    // Pegs painted after a scoring keep its clues until the next "Go!".
    toolkit.click("Color(0)");
    toolkit.click("Button(4)");
    EXPECT_EQ(toolkit.rows[0].name, "Row 1: red, orange, red, brown, empty, empty, empty, empty; 1 black, 2 white");
    EXPECT_EQ(toolkit.named("Preview").properties.accessibleName, "Chosen colour: brown");

    play("....KKKK");
    EXPECT_EQ(toolkit.rows[0].name, "Row 1: red, orange, red, brown, black, black, black, black; 1 black, 2 white");
    EXPECT_EQ(toolkit.spoken.back(), "Row 1: 1 black, 2 white");
    toolkit.click("Go");
    EXPECT_EQ(toolkit.spoken.back(), "Row 2: 0 black, 0 white");
    // Like the board, the current row's text shows no clue where none is lit.
    EXPECT_EQ(toolkit.rows[1].name, "Row 2: " + empty);
    EXPECT_EQ(toolkit.rows[2].name, "Row 3: " + empty);
    for (int row = 0; row < 18; ++row)
        EXPECT_EQ(toolkit.rows[static_cast<std::size_t>(row)].current, row == 1) << row;
    EXPECT_EQ(toolkit.named("Preview").properties.accessibleName, "Chosen colour: black");
}

TEST_F(Form1Test, ScreenReadersHearEachChoiceAndEachPegAndWhatThePositionsWouldPaint)
{
    const auto name
        = [&](int p) { return toolkit.named("Button(" + std::to_string(p) + ")").properties.accessibleName; };
    const auto goSays = [&] { return toolkit.named("Go").description; };
    EXPECT_EQ(name(1), "1: empty");
    EXPECT_EQ(goSays(), "Row 1: empty, empty, empty, empty, empty, empty, empty, empty");
    toolkit.click("Color(1)");
    toolkit.click("Button(3)");
    EXPECT_EQ(toolkit.spoken, (std::vector<std::string>{"Chosen colour: red", "3: red"}));
    EXPECT_EQ(name(3), "3: red");
    EXPECT_EQ(name(8), "8: empty");
    EXPECT_EQ(goSays(), "Row 1: empty, empty, red, empty, empty, empty, empty, empty");
    toolkit.click("Go");
    EXPECT_EQ(goSays(), "Row 1: empty, empty, red, empty, empty, empty, empty, empty; 0 black, 1 white");

    play("KKKKKKKK");
    EXPECT_EQ(name(3), "3: empty");
    EXPECT_EQ(goSays(), "Row 2: empty, empty, empty, empty, empty, empty, empty, empty");
    toolkit.click("Button(8)");
    toolkit.click("Reset");
    EXPECT_EQ(name(8), "8: empty");
    EXPECT_EQ(toolkit.spoken.back(), "New game");
}

TEST_F(Form1Test, TheSecretIsReadOnlyWhileItIsUncoveredAndHeardBeforeTheQuestion)
{
    EXPECT_EQ(toolkit.secret, "");
    toolkit.answers = {Answer::Yes};
    Twips place;
    toolkit.whileAsking = [&] { place = toolkit.secretPlace; };
    toolkit.click("GiveUp");
    ASSERT_EQ(toolkit.questions.size(), 1u);
    const std::string secret = "Secret: red, red, orange, yellow, green, cyan, blue, navy";
    EXPECT_EQ(toolkit.questions[0].secret, secret);
    EXPECT_EQ(toolkit.questions[0].spoken, std::vector<std::string>{secret});
    EXPECT_EQ(place, (Twips{0, 8910, 3960, 495}));
    EXPECT_EQ(toolkit.secret, "");
    EXPECT_EQ(toolkit.spoken, (std::vector<std::string>{secret, "New game"}));
}

TEST_F(Form1Test, WinAsksAndYesStartsAFreshGameInARebuiltWindow)
{
    toolkit.answers = {Answer::Yes};
    play("KKKKKKKK");
    play("RROYGTBI");
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_EQ(toolkit.questions[0].title, "Correct!");
    EXPECT_EQ(toolkit.questions[0].text, "You Won! Play Again?");
    EXPECT_EQ(toolkit.questions[0].answerRowShown, std::vector<std::string>(8, ""));
    EXPECT_EQ(toolkit.questions[0].spoken.back(), "Row 2: 8 black, 0 white");
    EXPECT_EQ(form.state().hits, 6);
    EXPECT_EQ(toolkit.spoken.back(), "New game");

    EXPECT_EQ(toolkit.unloads, 1);
    EXPECT_EQ(toolkit.loads, 2);
    EXPECT_TRUE(toolkit.windowShown);
    EXPECT_EQ(random.seeds, 2);
    EXPECT_EQ(form.state().row, 0);
    EXPECT_EQ(rowOnScreen(0), "........");
    EXPECT_EQ(cluesOnScreen(0), "........");
    EXPECT_EQ(cluesOnScreen(1), "........");
    EXPECT_EQ(rowOnScreen(18), "NKWMVIBT");
    EXPECT_FALSE(toolkit.named(guess(145)).properties.visible);
    EXPECT_EQ(toolkit.colourOf("Preview"), game::RGB(128, 64, 0));
    EXPECT_EQ(toolkit.controls.size(), 324u);
}

TEST_F(Form1Test, GiveUpUncoversTheSecretBeforeAskingAndNoEndsTheProgram)
{
    toolkit.answers = {Answer::No};
    toolkit.click("GiveUp");
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_EQ(toolkit.questions[0].title, "Lost");
    EXPECT_EQ(toolkit.questions[0].text, "Sorry, you lost! Play again?");
    for (const std::string& shown : toolkit.questions[0].answerRowShown)
        EXPECT_NE(shown, "");
    EXPECT_EQ(toolkit.endStatus, std::vector<int>{0});
    EXPECT_EQ(form.state().hits, 7);
    EXPECT_EQ(toolkit.unloads, 0);

    // Nothing answers once the program has ended.
    toolkit.click("Reset");
    toolkit.click("Button(1)");
    EXPECT_EQ(toolkit.unloads, 0);
    EXPECT_EQ(rowOnScreen(0), "........");
}

TEST_F(Form1Test, EighteenCompleteRowsLoseWithTheLastCluesShowing)
{
    toolkit.answers = {Answer::Yes};
    std::string lastClues;
    std::string goSays;
    toolkit.whileAsking = [&] {
        lastClues = cluesOnScreen(17);
        goSays = toolkit.named("Go").description;
    };
    for (int row = 0; row < 18; ++row)
        play(row < 17 ? "IBTGYORK" : "RROYGTIB");
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_EQ(toolkit.questions[0].title, "Lost");
    EXPECT_EQ(lastClues, "BBBBBBWW");
    // There is no nineteenth row for "Go!" to speak of.
    EXPECT_EQ(goSays, "Row 18: red, red, orange, yellow, green, cyan, navy, blue");
    const std::vector<std::string>& heard = toolkit.questions[0].spoken;
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard[heard.size() - 2], "Row 18: 6 black, 2 white");
    EXPECT_EQ(heard.back(), "Secret: red, red, orange, yellow, green, cyan, blue, navy");
    EXPECT_EQ(toolkit.loads, 2);
    EXPECT_EQ(form.state().row, 0);
}

TEST_F(Form1Test, ResetDiscardsTheGameWithoutAsking)
{
    play("KKKKKKKK");
    toolkit.click("Color(3)");
    toolkit.click("Reset");
    EXPECT_TRUE(toolkit.questions.empty());
    EXPECT_EQ(toolkit.loads, 2);
    EXPECT_EQ(form.state().row, 0);
    EXPECT_EQ(rowOnScreen(0), "........");
    EXPECT_EQ(cluesOnScreen(0), "........");
    EXPECT_EQ(toolkit.colourOf("Preview"), game::RGB(128, 64, 0));
    EXPECT_EQ(rowOnScreen(18), "NKWMVIBT");
}

TEST_F(Form1Test, ManyRestartsLeaveTheSameControls)
{
    std::set<std::string> first;
    for (const auto& control : toolkit.controls)
        first.insert(control.properties.name);
    for (int i = 0; i < 50; ++i)
        toolkit.click("Reset");
    std::set<std::string> last;
    for (const auto& control : toolkit.controls) {
        last.insert(control.properties.name);
        EXPECT_EQ(control.load, 51);
    }
    EXPECT_EQ(last, first);
    EXPECT_EQ(toolkit.controls.size(), first.size());
}

TEST(Form1Random, EveryLoadDrawsANewSecret)
{
    FakeToolkit toolkit;
    game::SeededUniform random;
    Form1 form(toolkit, random);
    const auto secret = [&] {
        std::string pegs;
        for (int slot = 145; slot <= 152; ++slot)
            pegs += game::codeLetter(*game::paletteIndexOf(toolkit.colourOf(guess(slot))));
        return pegs;
    };
    form.load();
    const std::string first = secret();
    toolkit.click("Reset");
    // Two independent secrets agree once in 12^8 loads.
    EXPECT_NE(secret(), first);
}

TEST(Form1Errors, AnInternalErrorIsReportedAndEndsTheProgramWithAFailure)
{
    FakeToolkit toolkit;
    game::SeededUniform random(1);
    Form1 form(toolkit, random);
    form.load();
    toolkit.backColourFuse = 1;
    toolkit.click("Color(2)");
    ASSERT_EQ(toolkit.errors, std::vector<std::string>{"fuse blown"});
    EXPECT_EQ(toolkit.endStatus, std::vector<int>{1});
    EXPECT_TRUE(form.hasEnded());
}

}  // namespace
}  // namespace ui
