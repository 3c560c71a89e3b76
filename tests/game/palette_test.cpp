#include "game/palette.h"

#include <set>
#include <stdexcept>

#include <gtest/gtest.h>

namespace game {
namespace {

TEST(Colour, HoldsRedInTheLowByte)
{
    EXPECT_EQ(RGB(255, 0, 0).bgr, 0x0000FFu);
    EXPECT_EQ(RGB(0, 255, 0).bgr, 0x00FF00u);
    EXPECT_EQ(RGB(0, 0, 255).bgr, 0xFF0000u);
    EXPECT_EQ(RGB(128, 64, 0).bgr, 0x004080u);
    const Colour orange = RGB(255, 128, 0);
    EXPECT_EQ(orange.red(), 255);
    EXPECT_EQ(orange.green(), 128);
    EXPECT_EQ(orange.blue(), 0);
}

TEST(Palette, ListsTheTwelveColoursInOrder)
{
    const char* letters = "NROYGTBIVMWK";
    const Colour colours[]
        = {RGB(128, 64, 0), RGB(255, 0, 0), RGB(255, 128, 0), RGB(255, 255, 0), RGB(0, 255, 0), RGB(0, 255, 255),
            RGB(0, 0, 255), RGB(0, 0, 128), RGB(255, 0, 255), RGB(128, 0, 128), RGB(255, 255, 255), RGB(0, 0, 0)};
    for (int i = 0; i < PaletteSize; ++i) {
        EXPECT_EQ(codeLetter(i), letters[i]) << "index " << i;
        EXPECT_EQ(paletteColour(i), colours[i]) << "index " << i;
    }
}

TEST(Palette, ColoursAndLettersAreDistinctAndNeverEmpty)
{
    std::set<std::uint32_t> colours;
    std::set<char> letters;
    for (const PaletteEntry& entry : Palette) {
        EXPECT_NE(entry.colour, Empty) << entry.name;
        colours.insert(entry.colour.bgr);
        letters.insert(entry.letter);
    }
    EXPECT_EQ(colours.size(), 12u);
    EXPECT_EQ(letters.size(), 12u);
}

TEST(Palette, SearchFindsEachColourAndNothingElse)
{
    for (int i = 0; i < PaletteSize; ++i)
        EXPECT_EQ(paletteIndexOf(paletteColour(i)), i);
    EXPECT_EQ(paletteIndexOf(Empty), std::nullopt);
    EXPECT_EQ(paletteIndexOf(RGB(128, 64, 1)), std::nullopt);
    // Clue colours share their values with white and black pegs.
    EXPECT_EQ(paletteIndexOf(ClueWhite), 10);
    EXPECT_EQ(paletteIndexOf(ClueBlack), 11);
}

TEST(Palette, LookupOutsideTheTableThrows)
{
    EXPECT_THROW((void)paletteColour(-1), std::out_of_range);
    EXPECT_THROW((void)paletteColour(12), std::out_of_range);
    EXPECT_THROW((void)codeLetter(12), std::out_of_range);
}

}  // namespace
}  // namespace game
