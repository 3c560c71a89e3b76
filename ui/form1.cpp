#include "ui/form1.h"

#include <chrono>
#include <cstddef>
#include <exception>
#include <random>
#include <utility>
#include <vector>

#include "ui/design.h"
#include "ui/spoken.h"

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

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

}  // namespace

Form1::Form1(Toolkit& toolkit, game::Uniform& random) : m_toolkit(toolkit), m_random(random)
{
}

void Form1::load()
{
    m_toolkit.loadWindow("Huecracker", design::ClientWidth, design::ClientHeight, design::Background);
    createDesignControls();
    Form_Load();
    applyTabOrder();
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
    m_toolkit.setAccessibleName(m_preview, swatchText(m_toolkit.backColour(m_preview)));
}

// The design-time controls keep their order (colour 0, Go!, position 0, the
// label, Reset!, Give Up!); the copies follow their templates in reading order,
// so the keyboard goes through the colours, then the positions, then Go!.
void Form1::applyTabOrder()
{
    std::vector<ControlId> order(m_color.begin(), m_color.end());
    order.insert(order.end(), m_button.begin() + 1, m_button.end());
    for (const ControlId id : {m_go, m_button[0], m_label1, m_reset, m_giveUp})
        order.push_back(id);
    m_toolkit.setTabOrder(order);
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
        for (int r = 0; r < game::BoardRows; ++r) {
            const int slot = game::slotOf(r, p);
            m_guess[at(slot)] = createElement(
                guess, "Guess", slot, (p - 1) * design::PegPitch, r * design::PegPitch, {}, r < game::GuessRows);
        }
    }

    const ControlProperties clue = design::clue0();
    for (int r = 0; r < game::GuessRows; ++r) {
        for (int k = game::PegsPerRow; k >= 1; --k) {
            // Lit in reading order: the upper line of four, then the lower.
            const int left = design::ClueLeft + design::CluePitch * ((k - 1) % 4);
            const int top = r * design::PegPitch + (k > 4 ? design::CluePitch : 0);
            const int slot = game::slotOf(r, k);
            m_clue[at(slot)] = createElement(clue, "Clue", slot, left, top, {});
        }
    }

    ControlProperties button = design::button0();
    button.tabStop = true;
    for (int b = 1; b <= game::PegsPerRow; ++b) {
        button.caption = std::to_string(b);
        m_button[at(b)] = createElement(button, "Button", b, design::ButtonLefts[at((b - 1) % 4)],
            design::ButtonTops[at((b - 1) / 4)], handler([this, b] { Button_Click(b); }));
    }

    ControlProperties color = design::color0();
    for (int c = 1; c < game::PaletteSize; ++c) {
        const game::PaletteEntry& entry = game::Palette[at(c)];
        color.back = entry.colour;
        color.accessibleName = entry.name;
        m_color[at(c)]
            = createElement(color, "Color", c, design::ColumnLeft + design::ColourPitch * (c % design::ColoursPerLine),
                design::ColourPitch * (c / design::ColoursPerLine), handler([this, c] { Color_Click(c); }));
    }
    m_toolkit.setBackColour(m_color[0], design::Brown);
}

ControlId Form1::createElement(const ControlProperties& templ, std::string_view array, int index, int left, int top,
    std::function<void()> onClick, bool visible)
{
    ControlProperties properties = templ;
    properties.name = std::string(array) + '(' + std::to_string(index) + ')';
    properties.place.left = left;
    properties.place.top = top;
    properties.visible = visible;
    return m_toolkit.create(properties, std::move(onClick));
}

void Form1::Color_Click(int index)
{
    m_toolkit.setBackColour(m_preview, m_toolkit.backColour(m_color.at(at(index))));
    const std::string chosen = swatchText(m_toolkit.backColour(m_preview));
    m_toolkit.setAccessibleName(m_preview, chosen);
    m_toolkit.speak(chosen);
}

void Form1::Button_Click(int index)
{
    const int slot = game::slotOf(m_state.row, index);
    m_state.board.guess(slot).colour = m_toolkit.backColour(m_preview);
    m_toolkit.setBackColour(m_guess.at(at(slot)), m_state.board.guess(slot).colour);
    const std::string row = rowText(m_state, m_state.row);
    m_toolkit.describeRow(m_state.row, design::rowPlace(m_state.row), row, true);
    m_toolkit.setAccessibleDescription(m_go, row);
    const std::string peg = positionText(m_state, index);
    m_toolkit.setAccessibleName(m_button.at(at(index)), peg);
    m_toolkit.speak(peg);
}

void Form1::Go_Click()
{
    // Every press that does not end the game scores the current row, which is
    // heard once the board shows it.
    const int row = m_state.row;
    if (!game::Go_Click(m_state, *this))
        return;
    showBoard();
    m_toolkit.speak(scoreText(row, cluesOf(m_state.board, row)));
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
    // The winning row's clue pegs stay unlit, but its score is heard.
    m_toolkit.speak(scoreText(m_state.row, {.black = m_state.hits, .white = 0}));
    ask("Correct!", "You Won! Play Again?");
}

void Form1::lost()
{
    for (int i = 1; i <= game::PegsPerRow; ++i)
        m_state.board.guess(game::AnswerBase + i).shown = true;
    showBoard();
    // After the eighteenth row, its score comes before the secret.
    if (m_state.row >= game::GuessRows)
        m_toolkit.speak(scoreText(game::GuessRows - 1, cluesOf(m_state.board, game::GuessRows - 1)));
    const std::string secret = secretText(m_state.board);
    m_toolkit.describeSecret(design::answerRowPlace(), secret);
    m_toolkit.speak(secret);
    ask("Lost", "Sorry, you lost! Play again?");
}

void Form1::ask(std::string_view title, std::string_view text)
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
    m_toolkit.speak("New game");
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
        const ControlId id = m_guess[at(slot)];
        m_toolkit.setBackColour(id, guess.colour);
        m_toolkit.setVisible(id, guess.shown);
    }
    for (int slot = 1; slot <= game::ClueSlots; ++slot)
        m_toolkit.setBackColour(m_clue[at(slot)], m_state.board.clue(slot));
    describeRows();
}

void Form1::describeRows()
{
    std::string current;
    for (int row = 0; row < game::GuessRows; ++row) {
        std::string text = rowText(m_state, row);
        m_toolkit.describeRow(row, design::rowPlace(row), text, row == m_state.row);
        if (row == m_state.row)
            current = std::move(text);
    }
    describeCurrentRow(current);
}

// The position buttons and "Go!" speak of the row they act on; once the last
// row is used up there is none, and the dialog comes next.
void Form1::describeCurrentRow(const std::string& text)
{
    if (m_state.row >= game::GuessRows)
        return;
    for (int p = 1; p <= game::PegsPerRow; ++p)
        m_toolkit.setAccessibleName(m_button[at(p)], positionText(m_state, p));
    m_toolkit.setAccessibleDescription(m_go, text);
}

}  // namespace ui
