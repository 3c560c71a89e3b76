#include "game/palette.h"

#include <cstddef>

namespace game {

Colour paletteColour(int index)
{
    return Palette.at(static_cast<std::size_t>(index)).colour;
}

char codeLetter(int index)
{
    return Palette.at(static_cast<std::size_t>(index)).letter;
}

std::optional<int> paletteIndexOf(Colour colour)
{
    for (int i = 0; i < PaletteSize; ++i) {
        if (Palette[static_cast<std::size_t>(i)].colour == colour)
            return i;
    }
    return std::nullopt;
}

}  // namespace game
