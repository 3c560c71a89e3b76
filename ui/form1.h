#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "game/board.h"
#include "game/random.h"
#include "game/turn.h"
#include "ui/toolkit.h"

namespace ui {

// The game's one window: its controls, handlers and counters. The counters live
// as long as this object; the controls only from one load to the next unload.
class Form1 final : private game::GameEnd {
public:
    Form1(Toolkit& toolkit, game::Uniform& random);

    // What the window system does to open the window: create it with its
    // design-time controls, run Form_Load, then show it.
    void load();

    void Form_Load();
    void Color_Click(int index);
    void Button_Click(int index);
    void Go_Click();
    void Reset_Click();
    void GiveUp_Click();

    [[nodiscard]] const game::State& state() const { return m_state; }
    [[nodiscard]] bool hasEnded() const { return m_ended; }

private:
    void loaditems();
    void correct() override;
    void lost() override;
    void ask(std::string_view title, std::string_view text);
    void restart();
    void end(int status);

    void createDesignControls();
    void applyTabOrder();
    ControlId createElement(const ControlProperties& templ, std::string_view array, int index, int left, int top,
        std::function<void()> onClick, bool visible = true);
    [[nodiscard]] std::function<void()> handler(std::function<void()> body);
    void showBoard();

    // Screen readers: what the colours on the board and under the position
    // buttons say once they have changed.
    void describeRows();
    void describeCurrentRow(const std::string& text);

    Toolkit& m_toolkit;
    game::Uniform& m_random;
    game::State m_state;
    bool m_ended = false;

    std::array<ControlId, game::GuessSlots + 1> m_guess{};
    std::array<ControlId, game::ClueSlots + 1> m_clue{};
    std::array<ControlId, game::PegsPerRow + 1> m_button{};
    std::array<ControlId, game::PaletteSize> m_color{};
    ControlId m_preview = 0;
    ControlId m_go = 0;
    ControlId m_reset = 0;
    ControlId m_giveUp = 0;
    ControlId m_label1 = 0;
};

}  // namespace ui
