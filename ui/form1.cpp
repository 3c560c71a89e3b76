#include "ui/form1.h"

#include <chrono>
#include <cstddef>
#include <exception>
#include <random>
#include <string>

#include "ui/design.h"

namespace ui {
namespace {

// The clock alone repeats when two loads fall within one tick; the system's
// entropy source keeps such secrets apart.
std::uint64_t clockSeed()
{
    const auto ticks = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    std::uint32_t entropy[2] = {0, 0};
    try {
        std::random_device device;
        entropy[0] = device();
        entropy[1] = device();
    } catch (const std::exception&) {
        // Without one the clock still gives a new seed at every tick.
    }
    std::seed_seq sequence{
        static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32), entropy[0], entropy[1]};
    std::array<std::uint32_t, 2> seed{};
    sequence.generate(seed.begin(), seed.end());
    return static_cast<std::uint64_t>(seed[0]) << 32 | seed[1];
}

constexpr std::array<int, 4> ButtonLefts = {4980, 5700, 6430, 7140};

}  // namespace

Form1::Form1(Toolkit& toolkit, game::Uniform& random) : m_toolkit(toolkit), m_random(random)
{
}

void Form1::load()
{
    m_toolkit.loadWindow("Huecracker", design::ClientWidth, design::ClientHeight, design::Background);
    createDesignControls();
    Form_Load();
    m_toolkit.showWindow();
}

void Form1::createDesignControls()
{
    m_giveUp = m_toolkit.create(design::giveUp(), handler([this] { GiveUp_Click(); }));
    m_reset = m_toolkit.create(design::reset(), handler([this] { Reset_Click(); }));
    m_button[0] = m_toolkit.create(design::button0(), {});
    m_go = m_toolkit.create(design::go(), handler([this] { Go_Click(); }));
    m_color[0] = m_toolkit.create(design::color0(), handler([this] { Color_Click(0); }));
    m_preview = m_toolkit.create(design::preview(), {});
    m_label1 = m_toolkit.create(design::label1(), {});
    m_clue[0] = m_toolkit.create(design::clue0(), {});
    m_guess[0] = m_toolkit.create(design::guess0(), {});
    const std::array tabOrder{m_color[0], m_go, m_button[0], m_label1, m_reset, m_giveUp};
    m_toolkit.setTabOrder(tabOrder);
}

void Form1::Form_Load()
{
    m_random.seed(clockSeed());
    loaditems();
    game::setvariables(m_state, m_random);
    showBoard();
}

void Form1::loaditems()
{
    m_state.board = game::Board{};

    const ControlProperties guess = design::guess0();
    for (int p = 1; p <= game::PegsPerRow; ++p) {
        for (int r = 1; r <= game::BoardRows; ++r) {
            const int slot = game::Board::guessSlot(r, p);
            m_guess[static_cast<std::size_t>(slot)]
                = createElement(guess, "Guess", slot, {(p - 1) * 495, (r - 1) * 495, 0, 0}, r < game::BoardRows, {});
        }
    }

    const ControlProperties clue = design::clue0();
    for (int r = 1; r <= game::GuessRows; ++r) {
        for (int j = 0; j <= 7; ++j) {
            const int k = 8 - j;  // lit in reading order: upper line of four, then lower
            const Twips place{3960 + 255 * ((k - 1) % 4), (r - 1) * 495 + (k > 4 ? 255 : 0), 0, 0};
            m_clue[static_cast<std::size_t>(r * 8 - j)] = createElement(clue, "Clue", r * 8 - j, place, true, {});
        }
    }

    ControlProperties button = design::button0();
    for (int b = 1; b <= game::PegsPerRow; ++b) {
        button.caption = std::to_string(b);
        const Twips place{ButtonLefts[static_cast<std::size_t>((b - 1) % 4)], b <= 4 ? 3840 : 4440, 0, 0};
        m_button[static_cast<std::size_t>(b)]
            = createElement(button, "Button", b, place, true, handler([this, b] { Button_Click(b); }));
    }

    ControlProperties color = design::color0();
    for (int c = 1; c < game::PaletteSize; ++c) {
        const game::PaletteEntry& entry = game::Palette[static_cast<std::size_t>(c)];
        color.back = entry.colour;
        color.accessibleName = entry.name;
        m_color[static_cast<std::size_t>(c)] = createElement(color, "Color", c,
            {4980 + 960 * (c % 3), 960 * (c / 3), 0, 0}, true, handler([this, c] { Color_Click(c); }));
    }
    m_toolkit.setBackColour(m_color[0], design::Brown);
}

ControlId Form1::createElement(const ControlProperties& templ, const char* array, int index, Twips place, bool visible,
    std::function<void()> onClick)
{
    ControlProperties properties = templ;
    properties.name = std::string(array) + '(' + std::to_string(index) + ')';
    properties.place.left = place.left;
    properties.place.top = place.top;
    properties.visible = visible;
    return m_toolkit.create(properties, std::move(onClick));
}

void Form1::Color_Click(int index)
{
    m_toolkit.setBackColour(m_preview, m_toolkit.backColour(m_color.at(static_cast<std::size_t>(index))));
}

void Form1::Button_Click(int index)
{
    const int slot = index + m_state.row * game::PegsPerRow;
    m_state.board.guess(slot).colour = m_toolkit.backColour(m_preview);
    m_toolkit.setBackColour(m_guess.at(static_cast<std::size_t>(slot)), m_state.board.guess(slot).colour);
}

void Form1::Go_Click()
{
    game::Go_Click(m_state, *this);
    if (!m_ended)
        showBoard();
}

void Form1::Reset_Click()
{
    restart();
}

void Form1::GiveUp_Click()
{
    lost();
}

void Form1::correct()
{
    ask("You Won! Play Again?", "Correct!");
}

void Form1::lost()
{
    for (int i = 1; i <= game::PegsPerRow; ++i)
        m_state.board.guess(game::AnswerBase + i).shown = true;
    showBoard();
    ask("Sorry, you lost! Play again?", "Lost");
}

void Form1::ask(const char* text, const char* title)
{
    m_state.hits = static_cast<std::int16_t>(m_toolkit.askYesNo(title, text));
    if (m_state.hits == static_cast<std::int16_t>(Answer::Yes))
        restart();
    else if (m_state.hits == static_cast<std::int16_t>(Answer::No))
        end(0);
}

void Form1::restart()
{
    m_toolkit.unloadWindow();
    load();
}

void Form1::end(int status)
{
    m_ended = true;
    m_toolkit.end(status);
}

std::function<void()> Form1::handler(std::function<void()> body)
{
    return [this, body = std::move(body)] {
        if (m_ended)
            return;
        try {
            body();
        } catch (const std::exception& error) {
            m_toolkit.reportError(error.what());
            end(1);
        } catch (...) {
            m_toolkit.reportError("unknown error");
            end(1);
        }
    };
}

void Form1::showBoard()
{
    for (int slot = 1; slot <= game::GuessSlots; ++slot) {
        const game::GuessSlot& guess = m_state.board.guess(slot);
        const ControlId id = m_guess[static_cast<std::size_t>(slot)];
        m_toolkit.setBackColour(id, guess.colour);
        m_toolkit.setVisible(id, guess.shown);
    }
    for (int slot = 1; slot <= game::ClueSlots; ++slot)
        m_toolkit.setBackColour(m_clue[static_cast<std::size_t>(slot)], m_state.board.clue(slot));
}

}  // namespace ui
