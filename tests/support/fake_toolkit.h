#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/toolkit.h"

namespace ui::testing {

// Records the window as plain data and answers dialogs from a script, so a
// modal question never blocks a test.
class FakeToolkit final : public Toolkit {
public:
    struct Control {
        ControlProperties properties;
        std::function<void()> onClick;
        int load = 0;  // which load created it
        std::string description;
    };
    // What a screen reader is told of a row.
    struct RowText {
        std::string name;
        bool current = false;
        Twips place;
    };
    struct Question {
        std::string title;
        std::string text;
        std::vector<std::string> answerRowShown;  // colours of Guess(145..152) as shown, "" when hidden
        std::string secret;                       // what a screen reader was told of it
        std::vector<std::string> spoken;          // everything spoken before the question
    };

    void loadWindow(std::string_view caption, int width, int height, game::Colour background) override
    {
        if (windowLoaded)
            throw std::logic_error("window loaded twice");
        windowLoaded = true;
        ++loads;
        this->caption = caption;
        size = {0, 0, width, height};
        this->background = background;
        controls.clear();
    }
    void unloadWindow() override
    {
        windowLoaded = false;
        windowShown = false;
        ++unloads;
        controls.clear();
        rows = {};
        secret.clear();
        secretPlace = {};
    }
    void showWindow() override { windowShown = true; }

    ControlId create(const ControlProperties& properties, std::function<void()> onClick) override
    {
        if (!windowLoaded)
            throw std::logic_error("control created with no window");
        controls.push_back({properties, std::move(onClick), loads, {}});
        return static_cast<ControlId>(controls.size() - 1);
    }
    // The order is checked where it takes effect, on the real widgets.
    void setTabOrder(std::span<const ControlId>) override {}
    void setBackColour(ControlId id, game::Colour colour) override
    {
        if (--backColourFuse == 0)
            throw std::runtime_error("fuse blown");
        controls.at(static_cast<std::size_t>(id)).properties.back = colour;
    }
    game::Colour backColour(ControlId id) const override
    {
        return controls.at(static_cast<std::size_t>(id)).properties.back;
    }
    void setVisible(ControlId id, bool visible) override
    {
        controls.at(static_cast<std::size_t>(id)).properties.visible = visible;
    }

    void setAccessibleName(ControlId id, std::string_view name) override
    {
        controls.at(static_cast<std::size_t>(id)).properties.accessibleName = name;
    }
    void setAccessibleDescription(ControlId id, std::string_view description) override
    {
        controls.at(static_cast<std::size_t>(id)).description = description;
    }
    void describeRow(int row, const Twips& place, std::string_view name, bool current) override
    {
        rows.at(static_cast<std::size_t>(row)) = {std::string(name), current, place};
    }
    void describeSecret(const Twips& place, std::string_view name) override
    {
        secret = name;
        secretPlace = place;
    }
    void speak(std::string_view text) override { spoken.emplace_back(text); }

    Answer askYesNo(std::string_view title, std::string_view text) override
    {
        Question question{std::string(title), std::string(text), {}, secret, spoken};
        for (int i = 145; i <= 152; ++i) {
            const ControlProperties& peg = named("Guess(" + std::to_string(i) + ")").properties;
            question.answerRowShown.push_back(peg.visible ? std::to_string(peg.back.bgr) : "");
        }
        questions.push_back(question);
        if (whileAsking)
            whileAsking();
        if (answers.empty())
            throw std::logic_error("unexpected question: " + std::string(text));
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void reportError(std::string_view message) override { errors.emplace_back(message); }
    void end(int status) override { endStatus.push_back(status); }

    const Control& named(const std::string& name) const
    {
        for (const Control& control : controls) {
            if (control.properties.name == name)
                return control;
        }
        throw std::out_of_range("no control " + name);
    }
    void click(const std::string& name) const
    {
        const Control& control = named(name);
        if (!control.properties.visible || !control.onClick)
            throw std::logic_error(name + " cannot be clicked");
        // A restart destroys the control, and with it its handler, while it runs.
        const std::function<void()> onClick = control.onClick;
        onClick();
    }
    game::Colour colourOf(const std::string& name) const { return named(name).properties.back; }

    bool windowLoaded = false;
    bool windowShown = false;
    int loads = 0;
    int unloads = 0;
    std::string caption;
    Twips size;
    game::Colour background;
    std::vector<Control> controls;
    std::array<RowText, 18> rows;
    std::string secret;
    Twips secretPlace;
    std::vector<std::string> spoken;
    std::deque<Answer> answers;
    std::function<void()> whileAsking;  // looks at the window while a question is open
    std::vector<Question> questions;
    std::vector<std::string> errors;
    std::vector<int> endStatus;
    long backColourFuse = -1;  // counts down; the call that reaches zero throws
};

}  // namespace ui::testing
