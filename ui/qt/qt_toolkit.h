#pragma once

#include <functional>
#include <vector>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "ui/qt/form_window.h"
#include "ui/qt/placement.h"
#include "ui/toolkit.h"

namespace ui::qt {

// The toolkit on Qt 6 Widgets: one top-level QWidget per load, its controls as
// children, so unloading the window destroys them all. Each load picks one
// scale for all twips and fonts, so that the window, frame included, fits the
// screen it opens on; where the natural size fits, that is used.
class QtToolkit final : public Toolkit {
public:
    // endProgram defaults to leaving the event loop with the status.
    explicit QtToolkit(std::function<void(int)> endProgram = {});
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    void loadWindow(std::string_view caption, int widthTwips, int heightTwips, game::Colour background) override;
    void unloadWindow() override;
    void showWindow() override;

    ControlId create(const ControlProperties& properties, std::function<void()> onClick) override;
    void setTabOrder(std::span<const ControlId> order) override;
    void setBackColour(ControlId id, game::Colour colour) override;
    [[nodiscard]] game::Colour backColour(ControlId id) const override;
    void setVisible(ControlId id, bool visible) override;

    void setAccessibleName(ControlId id, std::string_view name) override;
    void setAccessibleDescription(ControlId id, std::string_view description) override;
    void describeRow(int row, const Twips& place, std::string_view name, bool current) override;
    void describeSecret(const Twips& place, std::string_view name) override;
    void speak(std::string_view text) override;

    [[nodiscard]] Answer askYesNo(std::string_view title, std::string_view text) override;
    void reportError(std::string_view message) override;
    void end(int status) override;

    // The window of the current load, or none between an unload and the next load.
    [[nodiscard]] FormWindow* window() const { return m_window.data(); }

private:
    struct Control {
        QWidget* widget;  // null for a shape, which the window paints itself
        int shape;        // the window's index of the shape, or -1
        game::Colour back;
    };
    [[nodiscard]] const Control& control(ControlId id) const;

    std::function<void(int)> m_endProgram;
    QPointer<FormWindow> m_window;
    std::vector<Control> m_controls;
    QWidget* m_firstFocus = nullptr;
    QPointer<QObject> m_clicked;  // the button whose click is being handled
    Placement m_placement;
};

// The message box for an error that no player action can cause.
void showInternalError(QWidget* parent, const QString& message);

}  // namespace ui::qt
