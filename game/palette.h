#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace game {

struct Colour {
    std::uint32_t bgr = 0;  // 0x00BBGGRR: red is the low byte

    [[nodiscard]] constexpr int red() const { return static_cast<int>(bgr & 0xFFu); }
    [[nodiscard]] constexpr int green() const { return static_cast<int>((bgr >> 8) & 0xFFu); }
    [[nodiscard]] constexpr int blue() const { return static_cast<int>((bgr >> 16) & 0xFFu); }

    friend constexpr bool operator==(Colour, Colour) = default;
};

[[nodiscard]] constexpr Colour RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Colour{
        static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16};
}

// Not choosable: an uncoloured peg or unlit clue (also the window's background),
// and the two clue colours.
inline constexpr Colour Empty = RGB(192, 192, 192);
inline constexpr Colour ClueBlack = RGB(0, 0, 0);
inline constexpr Colour ClueWhite = RGB(255, 255, 255);

struct PaletteEntry {
    char letter;
    std::string_view name;
    Colour colour;
};

inline constexpr int PaletteSize = 12;

// The order is the index of the colour buttons, the value of a random draw and
// the order in which scoring counts colours.
inline constexpr std::array<PaletteEntry, PaletteSize> Palette{{
    {'N', "brown", RGB(128, 64, 0)},
    {'R', "red", RGB(255, 0, 0)},
    {'O', "orange", RGB(255, 128, 0)},
    {'Y', "yellow", RGB(255, 255, 0)},
    {'G', "green", RGB(0, 255, 0)},
    {'T', "cyan", RGB(0, 255, 255)},
    {'B', "blue", RGB(0, 0, 255)},
    {'I', "navy", RGB(0, 0, 128)},
    {'V', "magenta", RGB(255, 0, 255)},
    {'M', "purple", RGB(128, 0, 128)},
    {'W', "white", RGB(255, 255, 255)},
    {'K', "black", RGB(0, 0, 0)},
}};

// Index 0-11; anything else throws std::out_of_range.
[[nodiscard]] Colour paletteColour(int index);
[[nodiscard]] char codeLetter(int index);

// None for the empty colour and for any colour outside the table.
[[nodiscard]] std::optional<int> paletteIndexOf(Colour colour);

}  // namespace game
