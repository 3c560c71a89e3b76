#pragma once

#include <array>
#include <map>

#include <QObject>
#include <QObjectList>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "game/board.h"
#include "ui/qt/accessible.h"
#include "ui/qt/scale.h"
#include "ui/toolkit.h"

namespace ui::qt {

// The screen reader's side of the window, where it shows only colours: the
// board as a list of its rows, the swatch and the uncovered secret, each where
// it is drawn, and the notifications that are spoken as the game goes. A
// resting mouse shows a row's or the secret's text as a tooltip. Places are in
// twips and follow the window's scale.
class AccessibleBoard final : public QObject {
public:
    AccessibleBoard(QWidget& window, const Scale& scale);

    void describeRow(int row, const Twips& place, const QString& name, bool current);
    void describeSecret(const Twips& place, const QString& name);
    // The swatch, or any other shape the window draws.
    void nameShape(int shape, const Twips& place, const QString& name);
    // Has a listening screen reader speak the text, once the window is active
    // and the reader has taken it in; with none listening, does nothing.
    void notify(const QString& text);
    // Puts every node where the window's scale now draws its place.
    void followScale();
    // Forgets every node: the window has freed them.
    void forget();

    // What a screen reader lists before the window's controls, and after them.
    [[nodiscard]] QObjectList leading() const;
    [[nodiscard]] QObjectList trailing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        AccessibleNode* node = nullptr;
        Twips place;
    };
    void sayUnheard();
    void showSecretToCursorAtRest();

    QWidget& m_window;
    const Scale& m_scale;
    AccessibleNode* m_board = nullptr;
    std::array<Placed, game::GuessRows> m_rows{};
    std::map<int, Placed> m_shapes;
    Placed m_secret;
    AccessibleNode* m_notification = nullptr;
    QString m_unheard;  // said before the window was active
    QTimer m_settle;
    QTimer m_look;
    QPoint m_cursor;  // where the cursor was at the last look, in screen coordinates
};

}  // namespace ui::qt
